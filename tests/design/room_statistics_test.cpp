#include "design/room_statistics.h"

#include "placement_fixture.h"

#include "core/ppdu_id.h"

#include <gtest/gtest.h>

namespace {

class RoomStatistics : public SquareRoomTest {
protected:
    RoomStatistics() {
        room->statisticsView = &view;
        view.rowsChanged = [this] { ++changes; };
    }

    QStringList captions() const {
        QStringList list;
        for (const StatisticsRow& row : view.rows()) {
            list << row.caption;
        }
        return list;
    }

    RoomStatisticsView view;
    int changes = 0;
};

} // namespace

TEST_F(RoomStatistics, HeadingsFollowTheCategoriesAndLinesRunFromTheLastCounted) {
    room->addQuantity(sample::Panel300, 3);
    room->addQuantity(sample::Appliance300, 1);
    room->addQuantity(sample::Panel600, 2.456);
    room->addQuantity(sample::Other, 0.125);
    room->statisticsRefresh();
    EXPECT_EQ(captions(), (QStringList{"［扣板］", "  方板600", "  方板300", "［电器］", "  排气扇",
                                       "［吊件］", "  吊杆"}));
    const std::vector<StatisticsRow>& rows = view.rows();
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].subItems, (QStringList{"", "", ""}));
    EXPECT_EQ(rows[0].imageIndex, 0);
    EXPECT_EQ(rows[0].state, 1);
    EXPECT_EQ(rows[1].subItems, (QStringList{"600X600", "2.46", "块"}));
    EXPECT_EQ(rows[1].imageIndex, 1);
    EXPECT_EQ(rows[1].state, sample::Panel600);
    EXPECT_EQ(rows[2].subItems[1], "3");
    EXPECT_EQ(rows[3].state, 2);
    EXPECT_EQ(rows[6].subItems, (QStringList{"0", "0.12", "块"})) << "halves round to even";
    EXPECT_EQ(changes, 1);
}

TEST_F(RoomStatistics, LinesOfQuantityZeroAndTheirEmptyHeadingsDisappear) {
    room->addQuantity(sample::Panel300, 3);
    room->addQuantity(sample::Appliance300, 1);
    room->addQuantity(sample::Other, 2);
    room->statisticsRefresh();
    ASSERT_EQ(view.rows().size(), 6u);
    room->addQuantity(sample::Appliance300, -1);
    room->statisticsRefresh();
    EXPECT_EQ(captions(), (QStringList{"［扣板］", "  方板300", "［吊件］", "  吊杆"}));
    ASSERT_EQ(room->billLines.size(), 2u) << "the line left the room's list";
    room->addQuantity(sample::Other, -2);
    room->statisticsRefresh();
    EXPECT_EQ(captions(), (QStringList{"［扣板］", "  方板300"})) << "no trailing heading";
}

TEST_F(RoomStatistics, StripsShowTheirLengthAloneAndMetresToTwoDecimals) {
    room->addQuantity(sample::Strip, 22.0 / 3);
    room->statisticsRefresh();
    ASSERT_EQ(view.rows().size(), 2u);
    EXPECT_EQ(view.rows()[1].subItems, (QStringList{"3000", "7.33", "米"}));
}

TEST_F(RoomStatistics, ARecountRefreshesTheList) {
    placeEverywhere(*room, sample::Panel300, 31, 31, 33, 31);
    room->recount();
    ASSERT_EQ(view.rows().size(), 2u);
    EXPECT_EQ(view.rows()[1].subItems[1], "3");
}

TEST(RoomStatisticsText, QuantitiesUseTheShortestForm) {
    EXPECT_EQ(RoomStatisticsView::quantityText(3), "3");
    EXPECT_EQ(RoomStatisticsView::quantityText(2.5), "2.5");
    EXPECT_EQ(RoomStatisticsView::quantityText(0.1 + 0.2), "0.3");
    EXPECT_EQ(RoomStatisticsView::quantityText(12.345678), "12.35");
    EXPECT_EQ(RoomStatisticsView::quantityText(-1.5), "-1.5");
    EXPECT_EQ(RoomStatisticsView::quantityText(100000), "100000");
    EXPECT_EQ(RoomStatisticsView::quantityText(1200000.004), "1200000");
}
