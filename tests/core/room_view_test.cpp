#include "core/troom_obj.h"

#include "fake_canvas.h"

#include <gtest/gtest.h>

namespace {

class RoomView : public ::testing::Test {
protected:
    RoomView() : canvas(800, 600), room(canvasContext(&canvas), 300, 300, SquarePanelRoom, true) {}

    void setOrigin(QPoint origin) { room.wall.setOrigin(origin); }
    QPoint origin() const { return room.wall.getOrigin(); }

    FakeCanvas canvas;
    TRoom_OBJ room;
};

} // namespace

TEST_F(RoomView, ZoomStepsByTwoWithinItsLimits) {
    room.zoomIn();
    room.zoomIn();
    room.zoomIn();
    EXPECT_EQ(room.zoom, 16);
    EXPECT_EQ(room.wall.paperWidth(), 3200);
    room.zoom = 22;
    room.zoomIn();
    EXPECT_EQ(room.zoom, 22);
    room.zoom = 2;
    room.zoomOut();
    EXPECT_EQ(room.zoom, 2);
    room.zoom = 4;
    room.zoomOut();
    EXPECT_EQ(room.zoom, 2);
    EXPECT_EQ(room.wall.paperWidth(), 400);

    room.zoom = 10;
    room.wheelTurned(120);
    EXPECT_EQ(room.zoom, 8) << "wheel away from the user zooms out";
    room.wheelTurned(-120);
    room.wheelTurned(0);
    EXPECT_EQ(room.zoom, 12);
}

TEST_F(RoomView, ZoomKeepsThePlanPointUnderTheCanvasCentre) {
    setOrigin({-100, -200}); // plan (500, 500) under the centre (400, 300)
    const int presented = canvas.presented;
    room.zoomIn();
    EXPECT_EQ(origin(), QPoint(-200, -300));
    EXPECT_EQ(room.wall.planToCanvas({500, 500}), QPoint(400, 300));
    EXPECT_GT(canvas.presented, presented) << "zooming repaints";
    room.zoomOut();
    room.zoomOut();
    EXPECT_EQ(room.wall.canvasToPlan({400, 300}), QPoint(500, 500));
}

TEST_F(RoomView, CentreViewCentresThePlanOrTheRoom) {
    // Tool code 2 has no layer of its own: this test sees the view alone, not the wall
    // painter, which also keeps the plan's edge near the canvas edge.
    room.tool = 2;
    room.centreView();
    EXPECT_EQ(origin(), QPoint(-600, -700)) << "no corners: the whole plan";
    EXPECT_FALSE(room.roomModified);

    room.wall.setOutline({{100, 100}, {300, 100}, {300, 401}}, {});
    room.centreView();
    EXPECT_EQ(room.wall.planToCanvas({200, 250}), QPoint(400, 300));
    EXPECT_TRUE(room.roomModified);
}

TEST_F(RoomView, RecentrePlanMovesTheOutlineToThePlanMiddle) {
    room.wall.setOutline({{100, 100}, {300, 100}, {300, 401}}, {PlainCorner, DoorEnd, 0});
    room.recentrePlan();
    EXPECT_EQ(room.wall.corner(0), QPoint(900, 850));
    EXPECT_EQ(room.wall.corner(2), QPoint(1100, 1151));
    EXPECT_EQ(room.wall.kind(1), DoorEnd);
    EXPECT_EQ(room.wall.planToCanvas({1000, 1000}), QPoint(400, 300));
}

TEST_F(RoomView, OriginLimitsKeepTheEdgeFortyPixelsInsideOrCentreASmallPlan) {
    setOrigin({100, 90});
    room.limitOrigin();
    EXPECT_EQ(origin(), QPoint(40, 40));

    setOrigin({-1500, -1500});
    room.limitOrigin();
    EXPECT_EQ(origin(), QPoint(800 - 2000 - 40, 600 - 2000 - 40));

    // The bottom limit is tested at 42 pixels but set at 40.
    setOrigin({0, -1442});
    room.limitOrigin();
    EXPECT_EQ(origin().y(), -1442);
    setOrigin({0, -1443});
    room.limitOrigin();
    EXPECT_EQ(origin().y(), -1440);

    room.zoom = 2;
    room.wall.setPaperWidth(400);
    setOrigin({-300, 35});
    room.limitOrigin();
    EXPECT_EQ(origin(), QPoint(200, 100)) << "a plan smaller than the canvas is centred";
}

TEST_F(RoomView, ScrollRegionsMoveTheViewByFivePixels) {
    room.lockCanvas = false;
    const struct {
        QPoint at;
        QPoint moved;
    } cases[] = {
        {{400, 0}, {0, 5}},  {{391, 5}, {0, 5}},    {{400, 595}, {0, -5}},
        {{0, 300}, {5, 0}},  {{799, 309}, {-5, 0}}, {{3, 2}, {5, 5}},
        {{5, 596}, {5, -5}}, {{795, 0}, {-5, 5}},   {{799, 599}, {-5, -5}},
    };
    for (const auto& c : cases) {
        setOrigin({-600, -700});
        EXPECT_TRUE(room.scrollCheck(c.at)) << c.at.x() << "," << c.at.y();
        EXPECT_EQ(origin() - QPoint(-600, -700), c.moved) << c.at.x() << "," << c.at.y();
    }
    setOrigin({-600, -700});
    EXPECT_FALSE(room.scrollCheck({390, 0})) << "just outside the top marker";
    EXPECT_FALSE(room.scrollCheck({400, 6}));
    EXPECT_FALSE(room.scrollCheck({5, 595})) << "the lower corners start below 2 x cy - 5";
    EXPECT_EQ(origin(), QPoint(-600, -700));
    EXPECT_TRUE(room.scrollTimerActive()) << "any check with the canvas unlocked starts the timer";
}

TEST_F(RoomView, ScrollingStopsAtTheLimitButStillCountsAsScrolled) {
    // Tool code 2 has no layer of its own: this test sees the view alone, not the wall
    // painter, which also keeps the plan's edge near the canvas edge.
    room.tool = 2;
    room.lockCanvas = false;
    setOrigin({38, 36});
    EXPECT_TRUE(room.scrollCheck({0, 0}));
    EXPECT_EQ(origin(), QPoint(43, 41));
    EXPECT_TRUE(room.scrollCheck({0, 0}));
    EXPECT_EQ(origin(), QPoint(43, 41));

    setOrigin({800 - 2000 - 40, 600 - 2000 - 38});
    room.scrollCheck({799, 599});
    EXPECT_EQ(origin(), QPoint(800 - 2000 - 40, 600 - 2000 - 43));
}

TEST_F(RoomView, ALockedCanvasNeverScrolls) {
    setOrigin({-600, -700});
    EXPECT_FALSE(room.scrollCheck({0, 0}));
    EXPECT_FALSE(room.scrollCheck({400, 0}));
    EXPECT_EQ(origin(), QPoint(-600, -700));
    EXPECT_FALSE(room.scrollTimerActive());
}

TEST_F(RoomView, TimerTicksScrollAtTheLastPointerPoint) {
    room.lockCanvas = false;
    setOrigin({-600, -700});
    room.pointerPoint = QPoint(0, 300);
    room.scrollTimerTick();
    room.scrollTimerTick();
    EXPECT_EQ(origin(), QPoint(-590, -700));
    EXPECT_TRUE(room.scrollTimerActive());
    room.stopScrollTimer();
    EXPECT_FALSE(room.scrollTimerActive());
}
