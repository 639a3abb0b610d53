#include "core/troom_wall.h"

#include <gtest/gtest.h>

namespace {

troom_Wall wallAt(int paperWidth, QPoint origin) {
    troom_Wall wall;
    wall.setPaperWidth(paperWidth);
    wall.setOrigin(origin);
    return wall;
}

} // namespace

TEST(WallViewTransform, ConvertsBothWaysAtTheRoomsScaleAndOrigin) {
    troom_Wall wall = wallAt(2000, {20, 20});
    EXPECT_EQ(wall.planToCanvas({100, 250}), QPoint(120, 270));
    EXPECT_EQ(wall.canvasToPlan({120, 270}), QPoint(100, 250));

    wall = wallAt(4000, {-300, 7});
    EXPECT_EQ(wall.planToCanvas({100, 250}), QPoint(-100, 507));
    EXPECT_EQ(wall.canvasToPlan({-100, 507}), QPoint(100, 250));
}

TEST(WallViewTransform, RoundsHalvesToEven) {
    // At 1000 pixels per plan, 1, 3 and 5 cm are 0.5, 1.5 and 2.5 pixels.
    troom_Wall wall = wallAt(1000, {0, 0});
    EXPECT_EQ(wall.planToCanvas({1, 3}), QPoint(0, 2));
    EXPECT_EQ(wall.planToCanvas({5, 7}), QPoint(2, 4));
    // At 800 pixels one pixel is 2.5 cm.
    wall = wallAt(800, {0, 0});
    EXPECT_EQ(wall.canvasToPlan({1, 3}), QPoint(2, 8));
}

TEST(WallViewTransform, ClampsCanvasPointsToThePlan) {
    troom_Wall wall = wallAt(2000, {20, 20});
    EXPECT_EQ(wall.canvasToPlan({0, -500}), QPoint(1, 1));
    EXPECT_EQ(wall.canvasToPlan({20, 21}), QPoint(1, 1)) << "0 becomes 1";
    EXPECT_EQ(wall.canvasToPlan({2020, 2019}), QPoint(1999, 1999)) << "2000 becomes 1999";
    EXPECT_EQ(wall.canvasToPlan({9000, 2018}), QPoint(1999, 1998));
}

TEST(WallViewTransform, ScaleAndOriginChangesRefreshTheCanvasPoints) {
    troom_Wall wall = wallAt(2000, {0, 0});
    wall.addPoint({100, 200}, true);
    wall.setPaperWidth(4000);
    EXPECT_EQ(wall.canvasPoint(0), QPoint(200, 400));
    wall.setOrigin({10, -10});
    EXPECT_EQ(wall.canvasPoint(0), QPoint(210, 390));
}

TEST(WallEdits, AddPointKeepsTheGivenSideAndDerivesTheOther) {
    troom_Wall wall = wallAt(1000, {0, 0});
    EXPECT_EQ(wall.addPoint({101, 51}, false), 0);
    EXPECT_EQ(wall.corner(0), QPoint(202, 102));
    EXPECT_EQ(wall.canvasPoint(0), QPoint(101, 51)) << "the canvas point is kept as given";
    EXPECT_EQ(wall.addPoint({300, 301}, true), 1);
    EXPECT_EQ(wall.corner(1), QPoint(300, 301));
    EXPECT_EQ(wall.canvasPoint(1), QPoint(150, 150)); // 150.5 rounds to even
    EXPECT_EQ(wall.kind(1), PlainCorner);
    EXPECT_EQ(wall.prevIndex(0), 1);
    EXPECT_EQ(wall.nextIndex(1), 0);
}

TEST(WallEdits, InsertPointRefusesOutOfRangeIndicesAndLeavesTheCanvasPointStale) {
    troom_Wall wall = wallAt(2000, {0, 0});
    EXPECT_EQ(wall.insertPoint({5, 5}, 0, true), -1) << "empty outline";
    wall.addPoint({100, 100}, true);
    wall.addPoint({200, 100}, true);
    wall.addPoint({200, 200}, true);
    wall.setKind(1, DoorEnd);
    EXPECT_EQ(wall.insertPoint({5, 5}, -1, true), -1);
    EXPECT_EQ(wall.insertPoint({5, 5}, 3, true), -1) << "one past the end needs addPoint";
    ASSERT_EQ(wall.pointCount(), 3);

    EXPECT_EQ(wall.insertPoint({150, 50}, 1, true), 1);
    ASSERT_EQ(wall.pointCount(), 4);
    EXPECT_EQ(wall.corner(1), QPoint(150, 50));
    EXPECT_EQ(wall.kind(1), PlainCorner);
    EXPECT_EQ(wall.corner(2), QPoint(200, 100));
    EXPECT_EQ(wall.kind(2), DoorEnd) << "kinds move up with their corners";
    EXPECT_EQ(wall.canvasPoint(1), QPoint(200, 100)) << "stale until refreshed";
    EXPECT_EQ(wall.canvasPoint(2), QPoint(200, 100));
    wall.refreshCanvasPoints();
    EXPECT_EQ(wall.canvasPoint(1), QPoint(150, 50));

    EXPECT_EQ(wall.insertPoint({20, 21}, 0, false), 0) << "a canvas point is converted";
    EXPECT_EQ(wall.corner(0), QPoint(20, 21));
}

TEST(WallEdits, DeleteAndMoveRefuseOutOfRangeIndices) {
    troom_Wall wall = wallAt(2000, {0, 0});
    wall.addPoint({100, 100}, true);
    wall.addPoint({200, 100}, true);
    wall.addPoint({200, 200}, true);
    EXPECT_FALSE(wall.deletePoint(3));
    EXPECT_FALSE(wall.deletePoint(-1));
    EXPECT_FALSE(wall.movePointBy(3, {1, 1}));
    EXPECT_FALSE(wall.setPointCanvas(-1, {1, 1}));
    EXPECT_EQ(wall.pointCount(), 3);

    EXPECT_TRUE(wall.deletePoint(0));
    ASSERT_EQ(wall.pointCount(), 2);
    EXPECT_EQ(wall.corner(0), QPoint(200, 100));
    EXPECT_EQ(wall.canvasPoints().size(), 2);
}

TEST(WallEdits, MovesWorkInCanvasDeltasWithoutClamping) {
    troom_Wall wall = wallAt(1000, {0, 0});
    wall.addPoint({10, 10}, true);
    wall.addPoint({500, 500}, true);
    ASSERT_TRUE(wall.movePointBy(0, {-3, -100}));
    EXPECT_EQ(wall.corner(0), QPoint(4, -190)) << "plan deltas are not clamped";
    EXPECT_EQ(wall.canvasPoint(0), QPoint(2, -95));

    ASSERT_TRUE(wall.setPointCanvas(1, {-40, 2000}));
    EXPECT_EQ(wall.corner(1), QPoint(1, 1999)) << "a canvas position is clamped";
    EXPECT_EQ(wall.canvasPoint(1), QPoint(-40, 2000));

    wall.moveAllBy({10, 10}, {15, 5});
    EXPECT_EQ(wall.corner(0), QPoint(14, -200));
    EXPECT_EQ(wall.corner(1), QPoint(11, 1989));

    wall.shiftPlan({-20, 0});
    EXPECT_EQ(wall.corner(0), QPoint(-6, -200));
    EXPECT_EQ(wall.canvasPoint(0), QPoint(7, -100)) << "canvas points stay until refreshed";
}

TEST(WallEdits, BoundsNeedTwoCornersAndPlanBoundsAPositiveSum) {
    troom_Wall wall = wallAt(2000, {5, 5});
    Bounds b{7, 7, 7, 7};
    wall.addPoint({100, 300}, true);
    EXPECT_FALSE(wall.planBounds(b));
    EXPECT_FALSE(wall.canvasBounds(b));
    EXPECT_EQ(b.minX, 7) << "not written";

    wall.addPoint({-50, 20}, true);
    ASSERT_TRUE(wall.planBounds(b));
    EXPECT_EQ(b.minX, -50);
    EXPECT_EQ(b.minY, 20);
    EXPECT_EQ(b.maxX, 100);
    EXPECT_EQ(b.maxY, 300);
    ASSERT_TRUE(wall.canvasBounds(b));
    EXPECT_EQ(b.minX, -45);
    EXPECT_EQ(b.maxY, 305);

    wall.setOutline({{-10, -10}, {5, 5}}, {});
    EXPECT_FALSE(wall.planBounds(b)) << "sum -10 is not above 0";
    EXPECT_EQ(b.minX, -10) << "written nevertheless";
}
