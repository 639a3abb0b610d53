#include "core/troom_obj.h"

#include "fake_canvas.h"

#include <gtest/gtest.h>

namespace {

class RoomPaint : public ::testing::Test {
protected:
    RoomPaint() : canvas(800, 600), room(canvasContext(&canvas), 300, 300, SquarePanelRoom, true) {}

    TColor at(int x, int y) { return canvas.surface().pixel(x, y); }

    FakeCanvas canvas;
    TRoom_OBJ room;
};

} // namespace

TEST_F(RoomPaint, DoesNothingWithoutADrawableCanvas) {
    const int presented = canvas.presented;
    canvas.drawable = false;
    room.paint();
    EXPECT_EQ(canvas.presented, presented);
    canvas.drawable = true;
    room.paint();
    EXPECT_EQ(canvas.presented, presented + 1);

    room.setCanvas(nullptr);
    room.paint();
    room.zoomIn();
    EXPECT_EQ(canvas.presented, presented + 1);
}

TEST_F(RoomPaint, TurnsACounterClockwiseOutlineClockwiseWithItsKinds) {
    room.wall.setOutline({{850, 900}, {850, 1100}, {1150, 1100}, {1150, 900}},
                         {DoorEnd, DoorEnd, PlainCorner, WindowEnd});
    ASSERT_LT(room.outlineArea(-1, false), 0);
    room.wall.setOrigin({-600, -700});
    room.paint();
    EXPECT_GT(room.outlineArea(-1, false), 0);
    EXPECT_EQ(room.wall.corners(),
              (QList<QPoint>{{1150, 900}, {1150, 1100}, {850, 1100}, {850, 900}}));
    EXPECT_EQ(room.wall.kinds(), (QList<quint8>{WindowEnd, PlainCorner, DoorEnd, DoorEnd}));
    EXPECT_EQ(room.wall.canvasPoint(0), QPoint(550, 200));

    room.paint();
    EXPECT_EQ(room.wall.corner(0), QPoint(1150, 900)) << "a clockwise outline stays";
}

TEST_F(RoomPaint, LeavesTheOutlineBeingDrawnAsItIs) {
    const QList<QPoint> counter{{850, 900}, {850, 1100}, {1150, 1100}};
    room.tool = ToolDrawWalls;
    room.wall.setOutline(counter, {});
    room.paint();
    EXPECT_EQ(room.wall.corners(), counter);

    room.tool = ToolEditWalls;
    room.wall.setOutline({{850, 900}, {850, 1100}}, {});
    room.paint();
    EXPECT_EQ(room.wall.corner(0), QPoint(850, 900)) << "two corners have no direction";
}

TEST_F(RoomPaint, DrawsTheFrameAndTheScrollMarkersOnlyWhenUnlocked) {
    // Tool code 2 has no layer of its own: only the frame, the markers and the signature.
    room.tool = 2;
    room.paint();
    EXPECT_EQ(at(0, 0), colors::Black);
    EXPECT_EQ(at(1, 300), colors::Black);
    EXPECT_EQ(at(798, 300), colors::Black);
    EXPECT_EQ(at(400, 599), colors::Black);
    EXPECT_EQ(at(2, 300), colors::White);
    EXPECT_EQ(at(797, 300), colors::White);
    EXPECT_EQ(at(3, 3), colors::White) << "locked: no markers";

    room.lockCanvas = false;
    room.paint();
    const TColor marker = at(3, 3);
    EXPECT_NE(marker, colors::White);
    EXPECT_NE(marker, colors::Black);
    for (const QPoint p : {QPoint(796, 3), QPoint(3, 596), QPoint(796, 596), QPoint(395, 3),
                           QPoint(404, 596), QPoint(3, 295), QPoint(796, 304)}) {
        EXPECT_EQ(at(p.x(), p.y()), marker) << p.x() << "," << p.y();
    }
    for (const QPoint p : {QPoint(5, 3), QPoint(394, 3), QPoint(405, 3), QPoint(3, 305)}) {
        EXPECT_EQ(at(p.x(), p.y()), colors::White) << p.x() << "," << p.y();
    }
}

TEST_F(RoomPaint, SignsTheCanvasInGreyAtTheBottomRight) {
    // Tool code 2 has no layer of its own: only the frame, the markers and the signature.
    room.tool = 2;
    TRoom_OBJ::setWebAddress(QStringLiteral("www.example.cn"));
    room.paint();
    int inked = 0;
    bool onlyGrey = true;
    for (int y = 580; y < 598; ++y) {
        for (int x = 580; x < 798; ++x) {
            const TColor c = at(x, y);
            if (c != colors::White) {
                ++inked;
                onlyGrey = onlyGrey && redOf(c) == greenOf(c) && greenOf(c) == blueOf(c) &&
                           redOf(c) >= 0x80;
            }
        }
    }
    EXPECT_GT(inked, 50);
    EXPECT_TRUE(onlyGrey) << "grey text on a clear background";
    EXPECT_EQ(at(400, 400), colors::White);
    TRoom_OBJ::setWebAddress(QStringLiteral("https://www.yanzhou-diaoding.cn"));
}
