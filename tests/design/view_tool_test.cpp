#include "core/troom_obj.h"
#include "library/product_library.h"
#include "render_fixture.h"
#include "support/scripted_mode_dialog.h"

#include <gtest/gtest.h>

// The view tool on the 3 x 3 m room of the render tests (canvas 200..500 at 1 px per cm).

namespace {

class ViewTool : public RenderTest {
protected:
    ViewTool() {
        room->setTool(DesignViewTool);
        room->wallDialogs = &dialog;
        steps = room->undoList.size();
    }

    void drag(QPoint from, QPoint to) {
        room->pointerMove(from, {});
        room->pointerPress(from, Qt::LeftButton, {});
        room->pointerMove(to, {});
        room->pointerRelease(to, Qt::LeftButton, {});
    }

    ScriptedModeDialog dialog;
    std::size_t steps = 0;
};

TEST_F(ViewTool, DraggingThePlanMovesTheOriginAndKeepsItsRightEdgeOnTheCanvas) {
    drag({100, 100}, {130, 110});
    EXPECT_EQ(room->wall.getOrigin(), QPoint(-670, -690));
    EXPECT_EQ(room->wall.canvasPoint(0), QPoint(230, 210));
    EXPECT_EQ(room->tool, DesignViewTool);
    EXPECT_TRUE(room->roomModified);
    EXPECT_EQ(room->undoList.size(), steps + 1);

    // Canvas 800 wide, plan 2000 wide: the origin stops at 800 - 2000 - 40.
    drag({700, 100}, {50, 100});
    EXPECT_EQ(room->wall.getOrigin().x(), -1240);
}

TEST_F(ViewTool, PressOnAWallMovesTheRoomOverTheGridOnlyWhileTheCanvasIsUnlocked) {
    room->lockCanvas = true;
    drag({200, 350}, {230, 350});
    EXPECT_EQ(room->wall.corner(0), QPoint(900, 900));
    EXPECT_EQ(room->tool, DesignViewTool);

    room->lockCanvas = false;
    room->pointerMove({200, 350}, {});
    room->pointerPress({200, 350}, Qt::LeftButton, {});
    EXPECT_EQ(room->tool, DesignRoomOverGrid);
    room->pointerMove({230, 360}, {});
    EXPECT_EQ(room->wall.corner(0), QPoint(930, 910));
    room->pointerRelease({230, 360}, Qt::LeftButton, {});
    EXPECT_EQ(room->tool, DesignViewTool);
    // The mask follows the outline on release.
    EXPECT_FALSE(room->insideMask(915, 1000));
    EXPECT_TRUE(room->insideMask(1215, 1000));
    EXPECT_GT(room->undoList.size(), steps);
}

TEST_F(ViewTool, TheRoomCannotBeMovedOffTheActiveRange) {
    room->lockCanvas = false;
    const int lastColumn = room->lastColumn;
    room->pointerMove({200, 350}, {});
    room->pointerPress({200, 350}, Qt::LeftButton, {});
    // Far enough right that the box's bottom-right corner leaves the range.
    const int beyond = (lastColumn * 30 - 1200) + 10;
    room->pointerMove({200 + beyond, 350}, {});
    EXPECT_EQ(room->wall.corner(0), QPoint(900, 900));
    // The next step is measured from where the pointer is now.
    room->pointerMove({200 + beyond + 5, 350}, {});
    EXPECT_EQ(room->wall.corner(0), QPoint(905, 900));
}

TEST_F(ViewTool, DoubleClickInsideAsksForTheCellSizesAndTheNextPressReturnsToTheTool) {
    room->paint();
    room->pointerMove({350, 350}, {});
    room->pointerDoubleClick({350, 350}, Qt::LeftButton, {});
    EXPECT_EQ(dialog.asked, 1);
    EXPECT_TRUE(dialog.setup.sizesEnabled);
    EXPECT_EQ(dialog.setup.width, 300);
    EXPECT_EQ(room->tool, DesignCellDialog);
    room->pointerPress({350, 350}, Qt::LeftButton, {});
    EXPECT_EQ(room->tool, DesignPlanDrag);
    room->pointerRelease({350, 350}, Qt::LeftButton, {});
    EXPECT_EQ(room->tool, DesignViewTool);
}

TEST_F(ViewTool, DoubleClickOutsideTheRoomCentresTheViewWithoutADialog) {
    room->wall.setOrigin({-1000, -700});
    room->paint();
    room->pointerDoubleClick({600, 550}, Qt::LeftButton, {});
    EXPECT_EQ(dialog.asked, 0);
    const QPoint centre = (room->wall.canvasPoint(0) + room->wall.canvasPoint(2)) / 2;
    EXPECT_NEAR(centre.x(), 400, 2);
    EXPECT_NEAR(centre.y(), 300, 2);
}

class TakingUpAProduct : public RenderTest {};

TEST_F(TakingUpAProduct, APanelBecomesTheShownCurrentProductAndTheDeleteToolGivesWay) {
    room->setTool(DesignDelete);
    room->currentProduct = {paint_sample::Panel, KindSquarePanel, 0};
    ASSERT_TRUE(room->placePanel({32, 32}, 0));
    room->currentProduct = {};
    room->cellAttribute(32, 32) = 12; // the units digit is the orientation
    const std::size_t steps = room->undoList.size();
    room->paint();
    room->chooseProductUnderPointer({245, 245}); // plan (945, 945): cell (32, 32)
    EXPECT_EQ(room->currentProduct.id, paint_sample::Panel);
    EXPECT_EQ(room->currentProduct.orientation, 2);
    EXPECT_EQ(room->currentProduct.kind, KindSquarePanel);
    EXPECT_TRUE(room->showSelectedProduct);
    EXPECT_EQ(room->tool, DesignFreeFill);
    EXPECT_EQ(room->undoList.size(), steps + 1);
}

TEST_F(TakingUpAProduct, AnEmptyCellChangesNothingAndAnObjectGivesItsKind) {
    room->currentProduct = {paint_sample::Panel, KindSquarePanel, 0};
    const std::size_t steps = room->undoList.size();
    room->chooseProductUnderPointer({350, 350});
    EXPECT_EQ(room->currentProduct.id, paint_sample::Panel);
    EXPECT_FALSE(room->showSelectedProduct);
    EXPECT_EQ(room->undoList.size(), steps);

    addObject(*room, paint_sample::Appliance, KindAppliance, 1020, 1020, 1);
    room->paint();
    room->chooseProductUnderPointer({335, 335});
    EXPECT_EQ(room->currentProduct.id, paint_sample::Appliance);
    EXPECT_EQ(room->currentProduct.kind, KindAppliance);
    EXPECT_EQ(room->currentProduct.orientation, 1);
    EXPECT_TRUE(room->showSelectedProduct);
}

} // namespace
