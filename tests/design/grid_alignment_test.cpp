#include "object_fixture.h"

#include "library/product_library.h"

#include <gtest/gtest.h>

namespace {

class GridAlignment : public ObjectTest {
protected:
    Bounds bounds() const {
        Bounds b;
        room->wall.planBounds(b);
        return b;
    }
    void outline(int left, int top, int right, int bottom) {
        useOutline(rectangleCorners(left, top, right, bottom));
    }
};

} // namespace

TEST_F(GridAlignment, CornerAlignmentsMeetTheGridLinesOfTheCornerCells) {
    outline(903, 905, 1207, 1196);
    room->roomToGridAlignment(1, false);
    EXPECT_EQ(bounds().minX, 900);
    EXPECT_EQ(bounds().minY, 900);
    EXPECT_EQ(bounds().maxX, 1204);

    outline(903, 905, 1207, 1196);
    room->roomToGridAlignment(4, false);
    EXPECT_EQ(bounds().maxX, 1230) << "the cell under the corner ends at 1230 cm";
    EXPECT_EQ(bounds().maxY, 1200);
    EXPECT_EQ(bounds().minX, 926);

    outline(903, 905, 1207, 1196);
    room->roomToGridAlignment(2, false);
    EXPECT_EQ(bounds().maxX, 1230);
    EXPECT_EQ(bounds().minY, 900);
    outline(903, 905, 1207, 1196);
    room->roomToGridAlignment(3, false);
    EXPECT_EQ(bounds().minX, 900);
    EXPECT_EQ(bounds().maxY, 1200);
    EXPECT_TRUE(room->insideMask(901, 1199)) << "the mask follows the outline";
}

TEST_F(GridAlignment, CentringAcrossLeavesEqualMarginsInTheCoveringCells) {
    outline(900, 900, 1200, 1200); // 300 cm, on the grid lines already
    const int steps = undoSteps();
    room->roomToGridAlignment(6, false);
    EXPECT_EQ(bounds().minX, 900);
    EXPECT_EQ(undoSteps(), steps + 1);

    outline(903, 905, 1213, 1205); // 310 cm across, 300 down
    room->roomToGridAlignment(6, false);
    EXPECT_EQ(bounds().minX, 910) << "aligned to 900 first, then 10 cm to the right";
    EXPECT_EQ(bounds().maxX, 1220);
    EXPECT_EQ(bounds().minY, 900) << "only the top-left alignment moves it down";

    outline(903, 905, 1213, 1215); // 310 x 310
    room->roomToGridAlignment(5, false);
    EXPECT_EQ(bounds().minX, 910);
    EXPECT_EQ(bounds().minY, 910);
    outline(903, 905, 1213, 1215);
    room->roomToGridAlignment(7, false);
    EXPECT_EQ(bounds().minX, 900);
    EXPECT_EQ(bounds().minY, 910);
}

TEST_F(GridAlignment, TheGridAndTheObjectsStayWhereTheyAre) {
    outline(903, 905, 1207, 1196);
    room->currentProduct = {object_sample::Panel, KindSquarePanel, 0};
    ASSERT_TRUE(room->placePanel({32, 32}, 0));
    tdianqi_rec& floating = place(object_sample::SmallFloating, KindFloating, 1000, 1000);
    room->roomToGridAlignment(4, true);
    EXPECT_EQ(room->cell(32, 32), object_sample::Panel);
    EXPECT_EQ(floating.x, 1000);
    EXPECT_EQ(floating.y, 1000);
}

TEST_F(GridAlignment, ManualAdjustAndLockNeverMoveTheOutline) {
    outline(903, 905, 1207, 1196);
    room->currentProduct = {object_sample::Panel, KindSquarePanel, 0};
    room->roomToGridAlignment(8, false);
    EXPECT_EQ(bounds().minX, 903);
    EXPECT_EQ(bounds().minY, 905);
    EXPECT_EQ(room->currentProduct.id, -1) << "the hand is emptied";
    EXPECT_EQ(room->tool, DesignViewTool);
    EXPECT_EQ(room->editMode, EditDesign);
    EXPECT_FALSE(room->lockCanvas);

    room->roomToGridAlignment(9, true);
    EXPECT_EQ(bounds().minX, 903);
    EXPECT_EQ(bounds().maxY, 1196);
    EXPECT_EQ(room->tool, DesignFreeFill);
    EXPECT_TRUE(room->lockCanvas);
}

TEST_F(GridAlignment, ARoomWithoutOutlineOrWithItsCornerOutsideTheRangeStays) {
    useOutline({});
    const int steps = undoSteps();
    room->roomToGridAlignment(1, false);
    EXPECT_EQ(undoSteps(), steps) << "nothing without an outline";

    outline(903, 905, 1207, 1196);
    room->firstColumn = 35; // the cell under the top-left corner lies before the range
    room->roomToGridAlignment(1, false);
    EXPECT_EQ(bounds().minX, 903);
}
