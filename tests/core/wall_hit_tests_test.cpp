#include "core/troom_wall.h"

#include <gtest/gtest.h>

namespace {

// An outline whose canvas points equal its plan points.
troom_Wall outline(const QList<QPoint>& corners) {
    troom_Wall wall;
    wall.setPaperWidth(2000);
    wall.setOrigin({0, 0});
    wall.setOutline(corners, {});
    return wall;
}

} // namespace

TEST(WallHitTests, FindCornerTakesTheLastCornerWithinTenPixels) {
    troom_Wall wall = outline({{100, 100}, {300, 100}, {108, 106}, {300, 300}});
    EXPECT_EQ(wall.findCorner({104, 103}), 2) << "both lie within 10 pixels: last wins";
    EXPECT_EQ(wall.findCorner({92, 94}), 0) << "only corner 0 is within 10 pixels";
    EXPECT_EQ(wall.findCorner({306, 308}), 3) << "exactly 10 pixels away";
    EXPECT_EQ(wall.findCorner({306, 309}), -1);

    wall.setKind(2, UnpickableCorner);
    EXPECT_EQ(wall.findCorner({104, 103}), 0) << "an unpickable corner is never returned";
}

TEST(WallHitTests, FindWallTakesTheFirstWallWithinFivePixels) {
    // Walls 0 (y = 100) and 2 (y = 103, drawn back) run 3 pixels apart.
    troom_Wall wall = outline({{100, 100}, {300, 100}, {300, 103}, {100, 103}});
    WallHit hit = wall.findWall({200, 102});
    EXPECT_EQ(hit.start, 0);
    EXPECT_EQ(hit.end, 1);

    wall = outline({{100, 100}, {300, 100}, {300, 300}, {100, 300}});
    hit = wall.findWall({98, 200});
    ASSERT_TRUE(hit.found());
    EXPECT_EQ(hit.start, 3) << "the closing wall";
    EXPECT_EQ(hit.end, 0);
    EXPECT_FALSE(wall.findWall({200, 106}).found()) << "6 pixels beside wall 0";
    EXPECT_TRUE(wall.findWall({304, 100}).found()) << "a little beyond the end";
    EXPECT_FALSE(wall.findWall({200, 200}).found());
}

TEST(WallHitTests, FindWallNeedsThreeCorners) {
    troom_Wall wall = outline({{100, 100}, {300, 100}});
    const WallHit hit = wall.findWall({200, 100});
    EXPECT_FALSE(hit.found());
    EXPECT_EQ(hit.end, -1);
}

TEST(WallHitTests, FootOnLineProjectsOntoTheLineThroughTwoPoints) {
    EXPECT_EQ(troom_Wall::footOnLine({5, 0}, {5, 10}, {40, 7}), QPoint(5, 7));
    EXPECT_EQ(troom_Wall::footOnLine({0, 3}, {10, 3}, {7, 40}), QPoint(7, 3));
    EXPECT_EQ(troom_Wall::footOnLine({0, 0}, {10, 10}, {10, 0}), QPoint(5, 5));
    EXPECT_EQ(troom_Wall::footOnLine({0, 0}, {20, -10}, {0, -10}), QPoint(4, -2))
        << "beyond the segment's ends the line goes on";
}

TEST(WallGeometry, DirectionAngleCoversTheQuadrantsWithYUp) {
    EXPECT_EQ(troom_Wall::directionAngle({0, 0}, {10, 0}), 0);
    EXPECT_EQ(troom_Wall::directionAngle({0, 0}, {0, 10}), 270);
    EXPECT_EQ(troom_Wall::directionAngle({0, 0}, {0, -10}), 90);
    EXPECT_EQ(troom_Wall::directionAngle({0, 0}, {-10, -10}), 135);
    EXPECT_EQ(troom_Wall::directionAngle({0, 0}, {-10, 10}), -135);
    EXPECT_EQ(troom_Wall::directionAngle({0, 0}, {-10, 0}), -180);
    EXPECT_DOUBLE_EQ(troom_Wall::directionAngle({5, 5}, {6, 500}), -89.9) << "nearly vertical";
    // 57.29 degrees per radian, not 180 / pi (which would give 74.1).
    EXPECT_DOUBLE_EQ(troom_Wall::directionAngle({0, 0}, {2, -7}), 74.0);
}

TEST(WallGeometry, CornerAngleIsTheWholeInnerAngle) {
    EXPECT_EQ(troom_Wall::cornerAngle({0, 10}, {0, 0}, {10, 0}), 90);
    EXPECT_EQ(troom_Wall::cornerAngle({-10, 0}, {0, 0}, {10, 0}), 180);
    EXPECT_EQ(troom_Wall::cornerAngle({10, 1}, {0, 0}, {10, 0}), 6);
    EXPECT_EQ(troom_Wall::cornerAngle({0, 0}, {0, 0}, {10, 0}), 0) << "zero-length wall";
    EXPECT_EQ(troom_Wall::cornerAngle({-11, 12}, {0, 0}, {10, 0}), 132) << "57.29, not 180/pi";
}

TEST(WallGeometry, PointsAlongADirection) {
    troom_Wall wall;
    wall.setPaperWidth(1000);
    wall.setOrigin({10, 10});
    EXPECT_EQ(wall.pointAlongFromLast({0, 0}, {5, 0}, 50), QPoint(0, 0)) << "no corners";
    // From canvas (60, 60) = plan (100, 100), 50 cm to the right and 50 cm up.
    EXPECT_EQ(wall.pointAlongFromCanvas({60, 60}, {200, 60}, 50), QPoint(85, 60));
    EXPECT_EQ(wall.pointAlongFromCanvas({60, 60}, {60, 0}, 50), QPoint(60, 35));
    EXPECT_EQ(wall.pointAlongFromCanvas({60, 60}, {0, 0}, 100), QPoint(24, 24))
        << "plan (29, 29): 14.5 pixels round to even";

    wall.addPoint({400, 400}, true);
    EXPECT_EQ(wall.pointAlongFromLast({0, 0}, {0, 9}, 30), QPoint(400, 430));
    EXPECT_EQ(wall.pointAlongFromLast({0, 0}, {-9, 0}, 30), QPoint(370, 400));
}
