#include "core/arc_geometry.h"
#include "core/troom_wall.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

troom_Wall outline(const QList<QPoint>& corners, const QList<quint8>& kinds = {}) {
    troom_Wall wall;
    wall.setOutline(corners, kinds);
    return wall;
}

double area(const troom_Wall& wall, int excluded = -1, bool absolute = true) {
    return wall.outlineArea(excluded, absolute).value_or(-999);
}

// The area of a circular segment of height h on a chord of half-length c.
double segmentArea(double c, double h) {
    const double r = (c * c + h * h) / (2 * h);
    return r * r * std::acos((r - h) / r) - (r - h) * std::sqrt(2 * r * h - h * h);
}

} // namespace

TEST(WallMeasures, RectangleAndTriangleAreasAndPerimeter) {
    const troom_Wall rect = outline({{850, 900}, {1150, 900}, {1150, 1100}, {850, 1100}});
    EXPECT_DOUBLE_EQ(area(rect), 6.0);
    EXPECT_DOUBLE_EQ(troom_Wall::roundAreaUp(area(rect) + rect.arcAreaTerms()), 6.0);
    EXPECT_EQ(rect.perimeter(), 10000);

    const troom_Wall triangle = outline({{10, 10}, {110, 10}, {10, 110}});
    EXPECT_DOUBLE_EQ(area(triangle), 0.5);
    EXPECT_DOUBLE_EQ(troom_Wall::roundAreaUp(area(triangle)), 0.6);
}

TEST(WallMeasures, OutlineAreaIsSignedByDirectionAndCanLeaveOutACorner) {
    const troom_Wall clockwise = outline({{0, 0}, {300, 0}, {300, 200}, {0, 200}});
    const troom_Wall counter = outline({{0, 0}, {0, 200}, {300, 200}, {300, 0}});
    EXPECT_DOUBLE_EQ(area(clockwise, -1, false), 6.0);
    EXPECT_DOUBLE_EQ(area(counter, -1, false), -6.0);
    EXPECT_DOUBLE_EQ(area(counter, -1, true), 6.0);
    EXPECT_DOUBLE_EQ(area(clockwise, 2), 3.0) << "the triangle left without corner 2";

    EXPECT_FALSE(clockwise.outlineArea(4, true).has_value());
    EXPECT_FALSE(clockwise.outlineArea(-2, true).has_value());
}

TEST(WallMeasures, OutlineAreaIsZeroForTwoCornersOrFailingBounds) {
    troom_Wall wall = outline({{0, 0}, {300, 0}, {300, 200}});
    ASSERT_TRUE(wall.deletePoint(0));
    EXPECT_DOUBLE_EQ(area(wall), 0.0);
    EXPECT_TRUE(wall.outlineArea(7, true).has_value()) << "no index check before the count";
    wall = outline({{0, 0}, {-300, 0}, {-300, -200}});
    EXPECT_DOUBLE_EQ(area(wall), 0.0) << "bounds summing to 0 or less fail";
}

TEST(WallMeasures, RoundAreaUpKeepsEvenTenthsAndRaisesTheRest) {
    EXPECT_DOUBLE_EQ(troom_Wall::roundAreaUp(6.0), 6.0);
    EXPECT_DOUBLE_EQ(troom_Wall::roundAreaUp(1.5), 1.6);
    EXPECT_DOUBLE_EQ(troom_Wall::roundAreaUp(1.7), 1.8);
    EXPECT_DOUBLE_EQ(troom_Wall::roundAreaUp(6.01), 6.1);
    EXPECT_DOUBLE_EQ(troom_Wall::roundAreaUp(6.0999), 6.1);
    EXPECT_DOUBLE_EQ(troom_Wall::roundAreaUp(0), 0);
}

TEST(WallMeasures, ArcApexesAddOrSubtractTheirSegments) {
    // A 2 x 2 m square whose bottom wall is an arc through (200, 350) or (200, 250):
    // a segment on a 200 cm chord with a 50 cm sagitta.
    const double term = (segmentArea(100, 50) - 100 * 50) / 10000;
    const troom_Wall out = outline({{100, 100}, {300, 100}, {300, 300}, {200, 350}, {100, 300}},
                                   {0, 0, 0, ArcApexOut, 0});
    EXPECT_NEAR(out.arcAreaTerms(), term, 1e-6);
    EXPECT_NEAR(area(out) + out.arcAreaTerms(), 4.5 + 0.1989, 1e-3);
    EXPECT_DOUBLE_EQ(troom_Wall::roundAreaUp(area(out) + out.arcAreaTerms()), 4.7);

    const troom_Wall in = outline({{100, 100}, {300, 100}, {300, 300}, {200, 250}, {100, 300}},
                                  {0, 0, 0, ArcApexIn, 0});
    EXPECT_NEAR(in.arcAreaTerms(), -term, 1e-6);
    EXPECT_DOUBLE_EQ(troom_Wall::roundAreaUp(area(in) + in.arcAreaTerms()), 3.4);

    const troom_Wall door = outline({{100, 100}, {300, 100}, {300, 300}, {200, 250}, {100, 300}},
                                    {0, 0, 0, DoorEnd, 0});
    EXPECT_DOUBLE_EQ(door.arcAreaTerms(), 0) << "other marks carry no arc";
}

TEST(WallMeasures, ArcTermTakesTheMajorArcWhenTheCentreLiesInTheTriangle) {
    // Sagitta 150 cm on a 200 cm chord: more than the radius.
    EXPECT_NEAR(arcTerm({100, 300}, {200, 450}, {300, 300}),
                (segmentArea(100, 150) - 100 * 150) / 10000, 1e-4);
    EXPECT_DOUBLE_EQ(arcTerm({100, 300}, {200, 300}, {300, 300}), 0) << "collinear";
}

TEST(WallMeasures, PerimeterRoundsFractionsUp) {
    // 100 + 10 + 100.4988 mm.
    const troom_Wall triangle = outline({{0, 0}, {10, 0}, {0, 1}});
    EXPECT_EQ(triangle.perimeter(), 211);
    EXPECT_EQ(outline({{0, 0}}).perimeter(), 0);
}

TEST(WallTransforms, RotateQuarterTurnsClockwiseOnTheCanvas) {
    troom_Wall wall = outline({{1100, 1000}, {1000, 900}, {1000, 1000}}, {ArcApexOut, 0, DoorEnd});
    wall.rotateQuarter({1000, 1000});
    EXPECT_EQ(wall.corner(0), QPoint(1000, 1100)) << "right of the centre goes below it";
    EXPECT_EQ(wall.corner(1), QPoint(1100, 1000)) << "above goes right";
    EXPECT_EQ(wall.corner(2), QPoint(1000, 1000));
    EXPECT_EQ(wall.kind(0), ArcApexOut);
    EXPECT_EQ(wall.canvasPoint(0), QPoint(1100, 1000)) << "canvas points stay until refreshed";
}

TEST(WallTransforms, FlipsMirrorAboutTheTruncatedMiddle) {
    troom_Wall wall = outline({{10, 40}, {21, 40}, {21, 51}}, {0, WindowEnd, WindowEnd});
    wall.flipHorizontal(); // middle 15
    EXPECT_EQ(wall.corner(0), QPoint(20, 40));
    EXPECT_EQ(wall.corner(1), QPoint(9, 40));
    EXPECT_EQ(wall.kind(1), WindowEnd);
    wall.flipVertical(); // middle 45
    EXPECT_EQ(wall.corner(0), QPoint(20, 50));
    EXPECT_EQ(wall.corner(2), QPoint(9, 39));

    wall = outline({{-5, 0}, {2, 0}, {2, 9}});
    wall.flipHorizontal(); // (-5 + 2) div 2 = -1, toward zero
    EXPECT_EQ(wall.corner(0), QPoint(3, 0));
    EXPECT_EQ(wall.corner(1), QPoint(-4, 0));

    wall = outline({{7, 8}});
    wall.flipHorizontal();
    wall.flipVertical();
    EXPECT_EQ(wall.corner(0), QPoint(7, 8)) << "a single corner stays";
}
