#include "placement_fixture.h"

#include "core/ppdu_id.h"

#include <gtest/gtest.h>

namespace {

// A strip room of 300 mm strips with the sample strip laid in every column (room mode
// 1) or row (room mode 2) of its active range.
class StripRoom {
public:
    StripRoom(int mode, const QList<QPoint>& corners) {
        sample::addProducts(library);
        room = designRoom(library, mode);
        setOutline(*room, corners);
        const bool alongColumns = mode == StripsAlongColumns;
        const int first = alongColumns ? room->firstColumn : room->firstRow;
        const int last = alongColumns ? room->lastColumn : room->lastRow;
        for (int i = first; i <= last; ++i) {
            (alongColumns ? room->cell(i, 1) : room->cell(1, i)) = sample::Strip;
        }
    }

    double metres() {
        room->recount();
        return quantityOf(*room, sample::Strip);
    }

    TestLibrary library;
    std::unique_ptr<TRoom_OBJ> room;
};

} // namespace

TEST(StripMeasurement, ARectangleAlongColumnsGivesOneRunPerColumnItTouches) {
    StripRoom strips(StripsAlongColumns, rectangleCorners(850, 900, 1150, 1100));
    // Columns 29 (840..870 cm) to 39 (1140..1170 cm), 2 m each.
    EXPECT_DOUBLE_EQ(strips.metres(), 22);
    EXPECT_EQ(strips.room->cell(29, 2), 200) << "the length cache in cm";
    EXPECT_EQ(strips.room->cell(28, 2), -1) << "a column beside the room is not measured";
}

TEST(StripMeasurement, ARectangleAlongRowsGivesOneRunPerRowItTouches) {
    StripRoom strips(StripsAlongRows, rectangleCorners(850, 900, 1150, 1100));
    // Rows 31 (900..930 cm) to 37 (1080..1110 cm), 3 m each; row 30 ends on the wall.
    EXPECT_DOUBLE_EQ(strips.metres(), 21);
    EXPECT_EQ(strips.room->cell(2, 31), 300);
    EXPECT_EQ(strips.room->cell(2, 30), -1);
}

TEST(StripMeasurement, AnLShapedRoomWalksOffTheWallsBesideItsStrips) {
    // Along columns: ten 6 m columns, then ten 3 m columns. Column 31 (900..930 cm) has
    // its left edge on the inner wall down to 1200 cm; the walk-in ends it at 900 cm.
    StripRoom columns(StripsAlongColumns, lShapeCorners());
    EXPECT_DOUBLE_EQ(columns.metres(), 90);
    EXPECT_EQ(columns.room->cell(30, 2), 600);
    EXPECT_EQ(columns.room->cell(31, 2), 300);
    // The L is symmetric about its diagonal: the same along rows.
    StripRoom rows(StripsAlongRows, lShapeCorners());
    EXPECT_DOUBLE_EQ(rows.metres(), 90);
    EXPECT_EQ(rows.room->cell(2, 30), 600);
    EXPECT_EQ(rows.room->cell(2, 31), 300);
}

TEST(StripMeasurement, ColumnsWithoutAStripAreNotCounted) {
    StripRoom strips(StripsAlongColumns, rectangleCorners(850, 900, 1150, 1100));
    strips.room->cell(30, 1) = -1;
    EXPECT_DOUBLE_EQ(strips.metres(), 20);
}

TEST(StripMeasurement, ARowThatMeetsTheRoomNowhereAddsNothing) {
    // The room lies within row 31 (900..930 cm) without touching its edge lines, and its
    // corners are within a centimetre of them.
    StripRoom strips(StripsAlongRows, rectangleCorners(700, 901, 1000, 929));
    EXPECT_EQ(strips.metres(), -1) << "no line";
    EXPECT_EQ(strips.room->cell(2, 31), 0);
}
