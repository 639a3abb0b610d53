#include "placement_fixture.h"

#include "core/tpic_rec.h"
#include "library/product_library.h"

#include <gtest/gtest.h>

using GridCells = SquareRoomTest;

TEST_F(GridCells, APanelOfThreeHundredBySixHundredSpansOneColumnAndTwoRowsOrTheReverse) {
    const tpic_rec* standard = room->productLookup(sample::Panel300x600, 0);
    const TRoom_OBJ::CellSpan upright = room->spanTest({31, 31}, standard->width, standard->height);
    EXPECT_TRUE(upright.fits);
    EXPECT_EQ(upright.columns, 1);
    EXPECT_EQ(upright.rows, 2);
    const tpic_rec* turned = room->productLookup(sample::Panel300x600, 1);
    const TRoom_OBJ::CellSpan across = room->spanTest({31, 31}, turned->width, turned->height);
    EXPECT_TRUE(across.fits);
    EXPECT_EQ(across.columns, 2);
    EXPECT_EQ(across.rows, 1);
}

TEST_F(GridCells, SizesMustAddUpExactly) {
    EXPECT_FALSE(room->spanTest({31, 31}, 450, 300).fits);
    EXPECT_FALSE(room->spanTest({31, 31}, 300, 0).fits);
    EXPECT_FALSE(room->spanTest({0, 31}, 300, 300).fits);
    EXPECT_FALSE(room->spanTest({31, 1001}, 300, 300).fits);
    TestLibrary other;
    sample::addProducts(other);
    auto narrow = designRoom(other, SquarePanelRoom, 250);
    setOutline(*narrow, rectangleCorners(900, 900, 1200, 1200));
    EXPECT_FALSE(narrow->spanTest({40, 40}, 600, 600).fits) << "600 mm on 250 mm columns";
    EXPECT_TRUE(narrow->spanTest({40, 40}, 500, 750).fits);
}

TEST_F(GridCells, TheSpanLooksNoFurtherThanTenCellsPastTheActiveRange) {
    const int last = room->lastColumn;
    // From column last + 5, six cells need column last + 10, which is not looked at.
    const GridCell start{last + 5, 31};
    EXPECT_TRUE(room->spanTest(start, 5 * 300, 300).fits);
    EXPECT_FALSE(room->spanTest(start, 6 * 300, 300).fits);
    const TRoom_OBJ::CellSpan open =
        room->spanTestUnbounded(start, 6 * 300, 300, TRoom_OBJ::SpanAxes::Both);
    EXPECT_TRUE(open.fits);
    EXPECT_EQ(open.columns, 6);
}

TEST_F(GridCells, TheUnboundedSpanTestsOnlyTheSizesAsked) {
    using Axes = TRoom_OBJ::SpanAxes;
    EXPECT_TRUE(room->spanTestUnbounded({31, 31}, 600, 450, Axes::Width).fits);
    EXPECT_FALSE(room->spanTestUnbounded({31, 31}, 600, 450, Axes::Height).fits);
    EXPECT_TRUE(room->spanTestUnbounded({31, 31}, 450, 900, Axes::Height).fits);
    EXPECT_EQ(room->spanTestUnbounded({31, 31}, 450, 900, Axes::Height).rows, 3);
    EXPECT_FALSE(room->spanTestUnbounded({31, 31}, 450, 900, Axes::Both).fits);
    // The run stops at the grid's last column.
    EXPECT_TRUE(room->spanTestUnbounded({999, 1}, 600, 300, Axes::Width).fits);
    EXPECT_FALSE(room->spanTestUnbounded({1000, 1}, 600, 300, Axes::Width).fits);
}

TEST_F(GridCells, CellRectanglesSumTheSizesBeforeThem) {
    room->cell(2, 0) = 450; // column 2 wider
    const ObjectBox cell = room->cellRectangle({3, 2});
    EXPECT_EQ(cell.left, 750);
    EXPECT_EQ(cell.top, 300);
    EXPECT_EQ(cell.right, 1050);
    EXPECT_EQ(cell.bottom, 600);
    const ObjectBox block = room->blockRectangle({3, 2}, 600, 900);
    EXPECT_EQ(block.right, 1350);
    EXPECT_EQ(block.bottom, 1200);
    // 750 mm is 75 cm; 1345 mm rounds half to even: 134.5 -> 134.
    const ObjectBox plan = room->blockPlanRectangle({3, 2}, 595, 900);
    EXPECT_EQ(plan.left, 75);
    EXPECT_EQ(plan.right, 134);
    EXPECT_EQ(plan.bottom, 120);
}

TEST_F(GridCells, APointOnAColumnBoundarySeatsInTheColumnOnItsLeft) {
    // Seating snaps to the cell holding (x + 1, y + 1): x = 929 puts 930 on the boundary
    // of columns 31 and 32, which belongs to column 31.
    tdianqi_rec& onBoundary = addObject(*room, sample::Appliance300, KindAppliance, 929, 929);
    EXPECT_TRUE(room->seatAppliance(onBoundary));
    EXPECT_EQ(onBoundary.seatColumn, 31);
    EXPECT_EQ(onBoundary.seatRow, 31);
    EXPECT_EQ(onBoundary.x, 900);
    EXPECT_EQ(onBoundary.y, 900);
    tdianqi_rec& past = addObject(*room, sample::Appliance300, KindAppliance, 930, 930);
    EXPECT_TRUE(room->seatAppliance(past));
    EXPECT_EQ(past.seatColumn, 32);
    EXPECT_EQ(past.x, 930);
    EXPECT_EQ(past.y, 930);
}
