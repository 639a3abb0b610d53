#include "render_fixture.h"

#include "design/room_render.h"
#include "library/product_library.h"

#include <gtest/gtest.h>

using namespace paint_sample;

namespace {

// The frame without its border and the signature in the bottom-right corner.
const QRect DesignArea(2, 2, 796, 570);

class KeptLayer : public RenderTest {
protected:
    KeptLayer() {
        useOutlineWithOpenings();
        placeEverywhere(*room, Panel, 31, 31, 40, 35);
        room->currentProduct = {TallPanel, KindSquarePanel, 0};
        room->placePanel({33, 37}, 0);
        addObject(*room, Floating, KindFloating, 950, 950);
        addObject(*room, Appliance, KindAppliance, 1080, 1110);
        room->showSelectedProduct = true;
        room->currentProduct = {Panel, KindSquarePanel, 0};
    }

    // The canvas after a paint against the same state drawn step by step.
    void expectFreshPixels(const char* step) {
        const QImage frame = painted().copy();
        const QImage fresh = freshDesign(*room, frame.size());
        const std::optional<QPoint> differs = firstDifference(frame, fresh, DesignArea);
        EXPECT_FALSE(differs) << step << ": first difference at " << differs->x() << ", "
                              << differs->y();
    }
};

} // namespace

TEST_F(KeptLayer, EveryFrameEqualsAFreshDrawing) {
    room->pointerPoint = {300, 300};
    expectFreshPixels("first paint");
    room->pointerPoint = {497, 205}; // the ghost across the walls and a label
    expectFreshPixels("pointer moved to a corner");
    room->pointerPoint = {180, 350};
    expectFreshPixels("ghost over a label outside the room");
    room->objects[0]->selected = true;
    expectFreshPixels("object selected");
    room->tool = 14;
    room->dragRectangleStart = {150, 180};
    room->dragRectangleEnd = {420, 520};
    expectFreshPixels("rectangle dragged over the walls");
    room->tool = 20;
    room->pointerPoint = {260, 300};
    expectFreshPixels("view tool box");
    room->tool = 9;
    room->objects[0]->selected = false;
    room->placePanel({38, 38}, 0);
    expectFreshPixels("panel placed");
    room->objects[1]->x -= 30;
    expectFreshPixels("object moved");
    room->zoomIn();
    expectFreshPixels("zoomed in");
    room->wall.setOrigin(room->wall.getOrigin() + QPoint(17, -9));
    expectFreshPixels("scrolled");
    room->wall.setOutline(rectangleCorners(900, 900, 1150, 1200), {});
    room->rebuildMask();
    expectFreshPixels("walls changed");
}

TEST_F(KeptLayer, APointerMoveKeepsTheLayerAndAnEditRedrawsIt) {
    room->pointerPoint = {300, 300};
    painted();
    ASSERT_TRUE(room->renderCache);
    const qint64 layer = room->renderCache->layer.cacheKey();
    room->pointerPoint = {320, 330};
    painted();
    room->objects[0]->selected = true;
    painted();
    EXPECT_EQ(room->renderCache->layer.cacheKey(), layer) << "marks only";

    const qint64 grid = room->renderCache->grid.cacheKey();
    room->objects[0]->x += 10;
    painted();
    EXPECT_EQ(room->renderCache->grid.cacheKey(), grid) << "moving an object keeps the grid";
    EXPECT_NE(room->renderCache->layer.cacheKey(), layer);
    EXPECT_EQ(at(295, 275), CentreColour) << "the object drawn where it went";

    room->objects[0]->selected = false;
    room->showSelectedProduct = false;
    room->removePanel({36, 31});
    painted();
    EXPECT_NE(room->renderCache->grid.cacheKey(), grid);
    EXPECT_EQ(at(365, 215), Ceiling) << "the removed panel is gone";

    room->cell(36, 31) = Panel;
    painted();
    EXPECT_EQ(at(365, 215), PanelColour) << "a panel written straight into the grid";
}

TEST_F(KeptLayer, DroppingTheCacheDrawsTheSame) {
    room->pointerPoint = {300, 300};
    const QImage kept = painted().copy();
    room->dropRenderCache();
    EXPECT_EQ(painted(), kept);
}
