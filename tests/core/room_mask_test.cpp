#include "core/troom_obj.h"

#include "support/scripted_prompts.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <random>

namespace {

class RoomMask : public ::testing::Test {
protected:
    RoomMask() : room(RoomContext{}, 300, 300, SquarePanelRoom, true) {}

    // A 10 x 10 m square whose bottom wall is an arc through (1000, apexY).
    void squareWithBottomArc(int apexY, quint8 kind) {
        room.wall.setOutline({{500, 500}, {1500, 500}, {1500, 1500}, {1000, apexY}, {500, 1500}},
                             {0, 0, 0, kind, 0});
    }

    TRoom_OBJ room;
};

// The mask over the whole plan, white beyond the part the bitmap covers.
QImage wholePlan(const TRoom_OBJ& room) {
    QImage plan(TRoom_OBJ::MaskSide, TRoom_OBJ::MaskSide, QImage::Format_RGB32);
    plan.fill(toQRgb(colors::White));
    QPainter(&plan).drawImage(room.maskOrigin, room.mask);
    return plan;
}

} // namespace

TEST_F(RoomMask, PolygonRoomIsBlackInsideRedOnTheWallsWhiteOutside) {
    room.makeRectangle(300, 200); // (850, 900) - (1150, 1100)
    room.rebuildMask();
    EXPECT_EQ(room.mask.format(), QImage::Format_RGB32);
    EXPECT_LE(room.mask.width() * room.mask.height(), 305 * 205) << "it covers the room only";
    EXPECT_EQ(room.maskPixel(1000, 1000), colors::Black);
    EXPECT_EQ(room.maskPixel(851, 901), colors::Black);
    EXPECT_EQ(room.maskPixel(850, 1000), colors::Red);
    EXPECT_EQ(room.maskPixel(1150, 1000), colors::Red);
    EXPECT_EQ(room.maskPixel(1000, 900), colors::Red);
    EXPECT_EQ(room.maskPixel(1000, 1100), colors::Red);
    EXPECT_EQ(room.maskPixel(849, 1000), colors::White);
    EXPECT_EQ(room.maskPixel(1151, 1000), colors::White);
    EXPECT_EQ(room.maskPixel(10, 10), colors::White);
    EXPECT_EQ(room.maskPixel(-1, 1000), colors::White) << "off the bitmap is outside";
    EXPECT_TRUE(room.insideMask(850, 1000)) << "the outline counts as inside";
    EXPECT_FALSE(room.insideMask(849, 1000));

    room.wall.clearOutline();
    room.rebuildMask();
    EXPECT_EQ(room.maskPixel(1000, 1000), colors::White) << "rebuilt from scratch";
}

TEST_F(RoomMask, AnOutwardArcAddsItsSegmentToTheInside) {
    squareWithBottomArc(1700, ArcApexOut);
    room.rebuildMask();
    EXPECT_EQ(room.maskPixel(1000, 1000), colors::Black);
    EXPECT_EQ(room.maskPixel(1000, 1500), colors::Black) << "no wall along the chord";
    EXPECT_EQ(room.maskPixel(1000, 1690), colors::Black);
    EXPECT_EQ(room.maskPixel(700, 1600), colors::Black);
    EXPECT_EQ(room.maskPixel(1000, 1710), colors::White);
    EXPECT_EQ(room.maskPixel(510, 1600), colors::White) << "beside the arc's start";
    EXPECT_TRUE(room.maskPixel(1000, 1700) == colors::Red ||
                room.maskPixel(1000, 1699) == colors::Red);
}

TEST_F(RoomMask, AnInwardArcCutsItsSegmentOut) {
    squareWithBottomArc(1300, ArcApexIn);
    room.rebuildMask();
    EXPECT_EQ(room.maskPixel(1000, 1250), colors::Black);
    EXPECT_EQ(room.maskPixel(1000, 1400), colors::White);
    EXPECT_EQ(room.maskPixel(1000, 1499), colors::White);
    EXPECT_EQ(room.maskPixel(520, 1480), colors::Black) << "near the arc's start, above it";
}

TEST_F(RoomMask, ArcKindsFollowTheGeometry) {
    squareWithBottomArc(1300, ArcApexOut);
    room.rebuildMask();
    EXPECT_EQ(room.wall.kind(3), ArcApexIn);
    EXPECT_EQ(room.maskPixel(1000, 1400), colors::White);

    squareWithBottomArc(1700, ArcApexIn);
    room.rebuildMask();
    EXPECT_EQ(room.wall.kind(3), ArcApexOut);

    squareWithBottomArc(1500, ArcApexIn); // on the chord: a straight wall
    room.rebuildMask();
    EXPECT_EQ(room.wall.kind(3), ArcApexIn) << "a collinear apex keeps its kind";
    EXPECT_EQ(room.maskPixel(1000, 1499), colors::Black);
    EXPECT_EQ(room.maskPixel(1000, 1501), colors::White);
}

TEST_F(RoomMask, TheTraceDoesNotDependOnWhereTheApexSitsInTheOrder) {
    squareWithBottomArc(1700, ArcApexOut);
    room.rebuildMask();
    const QImage apexInTheMiddle = room.mask.copy();
    room.wall.setOutline({{1000, 1700}, {500, 1500}, {500, 500}, {1500, 500}, {1500, 1500}},
                         {ArcApexOut, 0, 0, 0, 0});
    room.rebuildMask();
    EXPECT_TRUE(room.mask == apexInTheMiddle);
}

TEST_F(RoomMask, ARoomWhoseWallsAllCurveInwardIsStillFilled) {
    room.wall.setOutline({{500, 500},
                          {1000, 600},
                          {1500, 500},
                          {1400, 1000},
                          {1500, 1500},
                          {1000, 1400},
                          {500, 1500},
                          {600, 1000}},
                         {0, ArcApexIn, 0, ArcApexIn, 0, ArcApexIn, 0, ArcApexIn});
    room.rebuildMask();
    EXPECT_EQ(room.maskPixel(1000, 1000), colors::Black);
    EXPECT_EQ(room.maskPixel(1000, 550), colors::White);
    EXPECT_EQ(room.maskPixel(550, 1000), colors::White);
}

TEST_F(RoomMask, FollowingAChangedOutlineDrawsWhatARebuildDraws) {
    // Random outlines, self-crossing ones and ones reaching off the plan included, whose
    // corners move by a little, a lot or all together; now and then an arc comes or goes
    // or the corner count changes.
    std::mt19937 random(16);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    TRoom_OBJ rebuilt(RoomContext{}, 300, 300, SquarePanelRoom, true);
    QList<QPoint> corners;
    for (int i = 0; i < 6; ++i) {
        corners.append({pick(100, 1900), pick(100, 1900)});
    }
    QList<quint8> kinds(corners.size(), PlainCorner);
    room.wall.setOutline(corners, kinds);
    room.rebuildMask();
    for (int round = 0; round < 60; ++round) {
        const QList<QPoint> drawnCorners = room.wall.corners();
        const QList<quint8> drawnKinds = room.wall.kinds();
        const int reach = pick(0, 2) == 0 ? 3 : 600;
        const int count = int(corners.size());
        const bool all = pick(0, 4) == 0;
        const int moved = all ? count : pick(1, 2);
        for (int k = 0; k < moved; ++k) {
            QPoint& corner = corners[all ? k : pick(0, count - 1)];
            corner += QPoint(pick(-reach, reach), pick(-reach, reach));
        }
        if (round % 10 == 9) {
            corners.append({pick(100, 1900), pick(100, 1900)});
            kinds.append(PlainCorner);
        }
        kinds[0] = round % 7 == 6 ? ArcApexOut : PlainCorner;
        room.wall.setOutline(corners, kinds);
        ASSERT_FALSE(room.maskCurrent());
        room.followOutline(drawnCorners, drawnKinds);
        EXPECT_TRUE(room.maskCurrent());
        rebuilt.wall.setOutline(corners, kinds);
        rebuilt.rebuildMask();
        ASSERT_TRUE(wholePlan(room) == wholePlan(rebuilt)) << "round " << round;
    }
}

TEST_F(RoomMask, ARebuildOfTheSameSizeDrawsIntoTheBitmapItHas) {
    room.makeRectangle(300, 200); // (850, 900) - (1150, 1100)
    room.rebuildMask();
    const qint64 drawn = room.mask.cacheKey();
    const QImage kept = room.mask;
    // The same bounds with a notch in the top wall.
    room.wall.setOutline({{850, 900},
                          {1000, 900},
                          {1000, 950},
                          {1050, 950},
                          {1050, 900},
                          {1150, 900},
                          {1150, 1100},
                          {850, 1100}},
                         {});
    room.rebuildMask();
    EXPECT_EQ(room.maskPixel(1020, 920), colors::White);
    EXPECT_EQ(room.maskPixel(1020, 950), colors::Red);
    EXPECT_EQ(room.maskPixel(1020, 1000), colors::Black);
    EXPECT_EQ(fromQRgb(kept.pixel(QPoint(1020, 920) - room.maskOrigin)), colors::Black)
        << "a copy taken before keeps what it showed";
    EXPECT_NE(room.mask.cacheKey(), drawn) << "the renderer sees the mask change";

    const uchar* bits = room.mask.constBits();
    room.wall.shiftPlan({-200, 30});
    room.rebuildMask();
    EXPECT_EQ(room.mask.constBits(), bits) << "a new bitmap for a mask of the same size";
    EXPECT_EQ(room.maskPixel(800, 1000), colors::Black);
    EXPECT_EQ(room.maskPixel(1000, 1000), colors::White);
}

TEST_F(RoomMask, EveryOutlineChangeLeavesTheMaskBehindUntilItIsDrawn) {
    room.makeRectangle(300, 200);
    room.rebuildMask();
    ASSERT_TRUE(room.maskCurrent());
    const std::function<void(troom_Wall&)> changes[] = {
        [](troom_Wall& w) {
            w.setCorner(1, {1160, 900});
        },
        [](troom_Wall& w) { w.setKind(2, DoorEnd); },
        [](troom_Wall& w) {
            w.addPoint({900, 1150}, true);
        },
        [](troom_Wall& w) {
            w.insertPoint({1000, 900}, 1, true);
        },
        [](troom_Wall& w) { w.deletePoint(1); },
        [](troom_Wall& w) {
            w.movePointBy(0, {5, 0});
        },
        [](troom_Wall& w) { w.setPointCanvas(0, w.canvasPoint(1)); },
        [](troom_Wall& w) {
            w.moveAllBy({0, 0}, {8, 8});
        },
        [](troom_Wall& w) {
            w.shiftPlan({1, 0});
        },
        [](troom_Wall& w) {
            w.rotateQuarter({1000, 1000});
        },
        [](troom_Wall& w) { w.flipHorizontal(); },
        [](troom_Wall& w) { w.flipVertical(); },
        [](troom_Wall& w) { w.reverseCorners(); },
        [](troom_Wall& w) { w.setOutline(w.corners(), w.kinds()); },
        [](troom_Wall& w) { w.clearOutline(); },
    };
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        changes[i](room.wall);
        EXPECT_FALSE(room.maskCurrent()) << i;
        room.rebuildMask();
    }
    room.makeRectangle(300, 200);
    room.rebuildMask();
    room.wall.setKind(2, room.wall.kind(2));
    room.wall.setOrigin({7, 7});
    room.wall.setPaperWidth(4000);
    EXPECT_TRUE(room.maskCurrent()) << "neither an unchanged kind nor the view is a change";
}

TEST(RoomMeasures, OutlineAreaIsZeroWhileDrawingAndReportsABadIndex) {
    ScriptedPrompts prompts;
    RoomContext context;
    context.prompts = &prompts;
    TRoom_OBJ room(context, 300, 300, SquarePanelRoom, true);
    room.makeRectangle(300, 200);
    EXPECT_DOUBLE_EQ(room.outlineArea(-1, true), 6.0);
    EXPECT_DOUBLE_EQ(room.roomArea(), 6.0);
    EXPECT_EQ(room.perimeter(), 10000);

    EXPECT_DOUBLE_EQ(room.outlineArea(4, true), 0);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("error")});

    room.tool = ToolDrawWalls;
    EXPECT_DOUBLE_EQ(room.outlineArea(-1, true), 0);
    EXPECT_DOUBLE_EQ(room.roomArea(), 0);
    EXPECT_DOUBLE_EQ(room.outlineArea(4, true), 0);
    EXPECT_EQ(prompts.messages().size(), 1) << "no index check while drawing";
}
