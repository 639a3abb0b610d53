#include "placement_fixture.h"

#include "core/ppdu_id.h"
#include "library/product_library.h"

#include <gtest/gtest.h>

namespace {

class RecountPanels : public SquareRoomTest {
protected:
    // A mask with exactly `count` inside pixels in the panel rectangle of cell (31, 31)
    // (900..930 cm both ways, edges included), taken from its bottom-right corner
    // backwards row by row, so that one corner of the panel is inside.
    void maskWithInsidePixels(int count) {
        room->mask = QImage(TRoom_OBJ::MaskSide, TRoom_OBJ::MaskSide, QImage::Format_RGB32);
        room->maskOrigin = {0, 0};
        room->mask.fill(toQRgb(colors::White));
        for (int i = 0; i < count; ++i) {
            room->mask.setPixel(930 - i % 31, 930 - i / 31, toQRgb(colors::Black));
        }
    }

    int countOfOnePanel() {
        room->recount();
        return int(quantityOf(*room, sample::Panel300));
    }
};

} // namespace

TEST_F(RecountPanels, CoverageExactlyAtTheMinimumCountsNothingAndOnePixelMoreCounts) {
    placeEverywhere(*room, sample::Panel300, 31, 31, 31, 31);
    // 5 % of 30 x 30 cm is 45 pixels.
    maskWithInsidePixels(45);
    EXPECT_EQ(countOfOnePanel(), -1) << "a line of quantity 0 is dropped";
    EXPECT_EQ(room->cell(31, 31), sample::Panel300) << "the panel stays placed";
    maskWithInsidePixels(46);
    EXPECT_EQ(countOfOnePanel(), 1);

    room->minimumCoverage = 20; // 180 pixels
    maskWithInsidePixels(180);
    EXPECT_EQ(countOfOnePanel(), -1);
    maskWithInsidePixels(181);
    EXPECT_EQ(countOfOnePanel(), 1);

    room->minimumCoverage = 1; // acts as 5
    maskWithInsidePixels(45);
    EXPECT_EQ(countOfOnePanel(), -1);
}

TEST_F(RecountPanels, AFullyTiledRoomCountsThePanelsInsideAndRemovesThoseOutside) {
    placeEverywhere(*room, sample::Panel300, room->firstColumn, room->firstRow, room->lastColumn,
                    room->lastRow);
    room->recount();
    EXPECT_EQ(quantityOf(*room, sample::Panel300), 100);
    // The ring around the room touches its walls with one edge: kept, counting 0.
    EXPECT_EQ(room->cell(30, 35), sample::Panel300);
    EXPECT_EQ(room->cell(41, 35), sample::Panel300);
    EXPECT_EQ(room->cell(29, 35), -1) << "wholly outside";
    EXPECT_EQ(room->cell(35, 42), -1);
    EXPECT_TRUE(room->roomChanged);
}

TEST_F(RecountPanels, APanelOutsideIsRemovedUnlessItHoldsAWallCorner) {
    // A narrow spike whose tip lies inside the panel of cell (30, 20) (870..900 x
    // 570..600 cm) while all four of that panel's corners are outside.
    setOutline(*room, {{885, 580}, {970, 1200}, {800, 1200}});
    placeEverywhere(*room, sample::Panel300, 29, 20, 30, 20);
    room->cellAttribute(29, 20) = 2; // removed with its attribute
    room->recount();
    EXPECT_EQ(room->cell(29, 20), -1) << "outside without a wall corner";
    EXPECT_EQ(room->cellAttribute(29, 20), 0);
    EXPECT_EQ(room->cell(30, 20), sample::Panel300);
    EXPECT_EQ(quantityOf(*room, sample::Panel300), 1) << "the tip covers more than 5 %";
    room->minimumCoverage = 50;
    room->recount();
    EXPECT_EQ(room->cell(30, 20), sample::Panel300) << "counted by coverage, still placed";
    EXPECT_EQ(quantityOf(*room, sample::Panel300), -1);
}

TEST_F(RecountPanels, ObjectsOutsideTheRoomAreDeletedAndTheOthersCounted) {
    addObject(*room, sample::Floating, KindFloating, 880, 880); // its corner (930, 930) inside
    addObject(*room, sample::Appliance300, KindAppliance, 1300, 1300);
    addObject(*room, 999, KindAppliance, 1300, 1300); // unknown: skipped, not deleted
    addObject(*room, sample::Appliance300, KindAppliance, 1170, 1170);
    room->recount();
    ASSERT_EQ(room->objects.size(), 3u);
    EXPECT_EQ(room->objects[0]->id, sample::Floating);
    EXPECT_EQ(room->objects[1]->id, 999);
    EXPECT_EQ(room->objects[2]->x, 1170);
    EXPECT_EQ(quantityOf(*room, sample::Floating), 1);
    EXPECT_EQ(quantityOf(*room, sample::Appliance300), 1);
    EXPECT_TRUE(room->roomChanged);
}

TEST_F(RecountPanels, BillLinesCarryTheProductUnturned) {
    room->currentProduct = {sample::Panel300x600, KindSquarePanel, 0};
    ASSERT_TRUE(room->placePanel({31, 31}, 1));
    ASSERT_TRUE(room->placePanel({31, 33}, 1));
    room->recount();
    ASSERT_EQ(room->billLines.size(), 1u);
    const Ppdu_id& line = *room->billLines.front();
    EXPECT_EQ(line.id, sample::Panel300x600);
    EXPECT_EQ(line.title, QStringLiteral("长板"));
    EXPECT_EQ(line.cailiao_id, 1);
    EXPECT_EQ(line.style, KindSquarePanel);
    EXPECT_EQ(line.price, 10);
    EXPECT_EQ(line.number, 2);
    EXPECT_EQ(line.width, 300);
    EXPECT_EQ(line.height, 600);
    EXPECT_EQ(line.danwei, QStringLiteral("块"));
}

TEST_F(RecountPanels, AddingAQuantityMakesTheLineOnceAndAcceptsRemovals) {
    room->addQuantity(sample::Panel300, 2.5);
    room->addQuantity(sample::Panel300, -1);
    room->addQuantity(999, 1); // unknown: no line
    ASSERT_EQ(room->billLines.size(), 1u);
    EXPECT_EQ(room->billLines.front()->number, 1.5);
}
