#include "core/troom_obj.h"

#include "fake_canvas.h"

#include <gtest/gtest.h>

#include <cmath>

// Hovering, dragging corners and walls and moving the room, at zoom 10 with the plan's
// origin on the canvas origin (1 pixel = 1 cm).

namespace {

class WallEditing : public ::testing::Test {
protected:
    WallEditing()
        : canvas(1400, 1300), room(canvasContext(&canvas), 300, 300, SquarePanelRoom, true) {
        room.wall.setOrigin({0, 0});
        room.snapRulerX = false;
        room.snapRulerY = false;
        room.wall.setOutline({{800, 900}, {1200, 900}, {1200, 1100}, {800, 1100}}, {});
        room.setTool(ToolEditWalls);
    }

    void move(QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier) { room.pointerMove(p, m); }
    void press(QPoint p) {
        move(p);
        room.pointerPress(p, Qt::LeftButton, Qt::NoModifier);
    }
    void release(QPoint p) { room.pointerRelease(p, Qt::LeftButton, Qt::NoModifier); }

    FakeCanvas canvas;
    TRoom_OBJ room;
};

} // namespace

TEST_F(WallEditing, GuideLinesCatchThePointerWithinFivePixels) {
    room.snapRulerX = true;
    room.snapRulerY = true;
    EXPECT_EQ(room.guideLineSnap({203, 110}), QPoint(200, 110)) << "3 pixels right: back";
    EXPECT_EQ(room.guideLineSnap({216, 110}), QPoint(220, 110)) << "16 pixels right: forward";
    EXPECT_EQ(room.guideLineSnap({210, 110}), QPoint(210, 110)) << "10 pixels right: stays";
    EXPECT_EQ(room.guideLineSnap({210, 98}), QPoint(210, 100));
    room.snapRulerY = false;
    EXPECT_EQ(room.guideLineSnap({203, 98}), QPoint(200, 98)) << "only the axes switched on";
}

TEST_F(WallEditing, APointerMoveUsesTheSnappedPoint) {
    room.snapRulerX = true;
    room.snapRulerY = true;
    move({1203, 1010});
    EXPECT_EQ(room.pointerPoint, QPoint(1200, 1010));
    EXPECT_EQ(room.hotWall.start, 1);
}

TEST_F(WallEditing, HoverShowsCornerWallOrNothingByEditMode) {
    move({1205, 905});
    EXPECT_EQ(room.hotCorner, 1);
    EXPECT_FALSE(room.hotWall.found());
    EXPECT_EQ(canvas.pointerShape, 4);
    EXPECT_EQ(room.hintText, QStringLiteral("拖动点,可移动墙角"));
    move({1000, 903});
    EXPECT_EQ(room.hotWall.start, 0);
    EXPECT_EQ(room.hotWall.end, 1);
    EXPECT_EQ(canvas.pointerShape, 3);
    EXPECT_EQ(room.hintText, QStringLiteral("拖动线,可移动墙面,鼠标右击可添加门窗"));
    move({1000, 1000});
    EXPECT_EQ(canvas.pointerShape, 1);
    EXPECT_EQ(room.hintText, QStringLiteral("移动到点、线上可调整墙角、墙面位置"));

    room.editMode = EditSplitWalls;
    move({1205, 905});
    EXPECT_EQ(canvas.pointerShape, 5);
    EXPECT_EQ(room.hintText, QStringLiteral("拖动点,可拆分墙角"));
    move({1000, 903});
    EXPECT_EQ(canvas.pointerShape, 5);
    EXPECT_EQ(room.hintText, QStringLiteral("拖动线,可拆分墙面"));
    move({1000, 1000});
    EXPECT_EQ(room.hintText, QStringLiteral("移动到点、线上，可拆分墙角或墙"));
}

TEST_F(WallEditing, CornerDragsFollowCtrlShiftAndAlt) {
    press({1200, 900});
    ASSERT_EQ(room.tool, ToolDragCorner);
    move({1230, 940}, Qt::ControlModifier);
    EXPECT_EQ(room.wall.corner(1), QPoint(1200, 940)) << "Ctrl: vertical only";
    EXPECT_EQ(room.hintText, QStringLiteral("配合Shift、Ctrl、ALT能更方便移动墙角"));
    move({1230, 960}, Qt::ShiftModifier);
    EXPECT_EQ(room.wall.corner(1), QPoint(1230, 940)) << "Shift: horizontal only";
    move({1230, 960});
    EXPECT_EQ(room.wall.corner(1), QPoint(1230, 960));
    // Alt keeps the corner on the line through its neighbours (800, 900)-(1200, 1100).
    move({1100, 900}, Qt::AltModifier);
    EXPECT_EQ(room.wall.corner(1), troom_Wall::footOnLine({800, 900}, {1200, 1100}, {1100, 900}));
}

TEST_F(WallEditing, ACornerDragReleaseIsOneUndoStepBackInAdjustMode) {
    press({1200, 900});
    const std::size_t afterPress = room.undoList.size();
    move({1250, 880});
    release({1250, 880});
    EXPECT_EQ(room.tool, ToolEditWalls);
    EXPECT_EQ(room.editMode, EditAdjustWalls);
    EXPECT_EQ(room.undoList.size(), afterPress + 1);
    EXPECT_TRUE(room.roomModified);
    room.undo();
    EXPECT_EQ(room.wall.corner(1), QPoint(1200, 900));
}

TEST_F(WallEditing, AFreeCornerSplitSlidesTheTwoNewPointsAlongTheOldWalls) {
    room.wall.setOutline({{800, 900}, {1400, 900}, {800, 1200}}, {});
    room.editMode = EditSplitWalls;
    const std::size_t before = room.undoList.size();
    press({1400, 900});
    ASSERT_EQ(room.tool, ToolDragCorner);
    EXPECT_TRUE(room.historySuppressed);
    ASSERT_EQ(room.wall.pointCount(), 5);
    EXPECT_EQ(room.hotCorner, 2);
    EXPECT_EQ(room.wall.corner(1), QPoint(1300, 900)) << "a sixth of the way to the previous";
    EXPECT_EQ(room.wall.corner(3), QPoint(1300, 950)) << "a sixth of the way to the next";
    EXPECT_EQ(room.undoList.size(), before) << "held back until the release";

    move({1300, 800});
    EXPECT_EQ(room.hintText, QStringLiteral("拖动鼠标到适当位置"));
    EXPECT_EQ(room.wall.corner(2), QPoint(1300, 800));
    EXPECT_EQ(room.wall.corner(1), QPoint(1300, 900)) << "the foot on the old top wall";
    EXPECT_EQ(room.wall.corner(3), troom_Wall::footOnLine({1400, 900}, {800, 1200}, {1300, 800}));
    release({1300, 800});
    EXPECT_FALSE(room.historySuppressed);
    EXPECT_EQ(room.editMode, EditAdjustWalls);
    EXPECT_EQ(room.undoList.size(), before + 1);
}

TEST_F(WallEditing, WallDragsFollowCtrlAndShift) {
    press({1000, 900});
    ASSERT_EQ(room.tool, ToolDragWall);
    move({1030, 940}, Qt::ControlModifier);
    EXPECT_EQ(room.wall.corner(0), QPoint(800, 940)) << "Ctrl: vertical only";
    EXPECT_EQ(room.wall.corner(1), QPoint(1200, 940));
    EXPECT_EQ(room.hintText, QStringLiteral("配合Shift、Ctrl、ALT能更方便移动墙"));
    move({1060, 980}, Qt::ShiftModifier);
    EXPECT_EQ(room.wall.corner(0), QPoint(830, 940)) << "Shift: horizontal only";
    release({1060, 980});
    EXPECT_EQ(room.tool, ToolEditWalls);
}

TEST_F(WallEditing, AltSlidesAnOpeningAlongItsHostWall) {
    room.wall.setOutline(
        {{800, 900}, {900, 900}, {980, 900}, {1200, 900}, {1200, 1100}, {800, 1100}},
        {0, DoorEnd, DoorEnd, 0, 0, 0});
    press({940, 900});
    ASSERT_EQ(room.hotWall.start, 1);
    move({990, 950}, Qt::AltModifier);
    EXPECT_EQ(room.wall.corner(1), QPoint(950, 900));
    EXPECT_EQ(room.wall.corner(2), QPoint(1030, 900));
}

TEST_F(WallEditing, TheRoomMovesByItsWalls) {
    room.setTool(ToolMoveRoomArmed);
    move({1000, 1000});
    EXPECT_EQ(room.hintText, QStringLiteral("移动鼠标到线上，可以拖动房间"));
    EXPECT_EQ(canvas.pointerShape, 1);
    move({1000, 902});
    EXPECT_EQ(room.hintText, QStringLiteral("您可以开始拖动房间了"));
    EXPECT_EQ(canvas.pointerShape, 6);
    room.pointerPress({1000, 902}, Qt::RightButton, Qt::NoModifier);
    ASSERT_EQ(room.tool, ToolMoveRoom);
    const std::size_t steps = room.undoList.size();
    move({1010, 922});
    EXPECT_EQ(room.hintText, QStringLiteral("拖动房间到适合的位置"));
    EXPECT_EQ(room.wall.corner(0), QPoint(810, 920));
    EXPECT_EQ(room.wall.corner(2), QPoint(1210, 1120));
    release({1010, 922});
    EXPECT_EQ(room.tool, ToolMoveRoomArmed);
    EXPECT_EQ(room.undoList.size(), steps + 1);
    // A left click beside the walls leaves the move tool.
    press({300, 300});
    release({300, 300});
    EXPECT_EQ(room.tool, ToolEditWalls);
}

TEST_F(WallEditing, TheWallPainterMarksTheHotCorner) {
    move({1200, 900});
    Surface& s = canvas.surface();
    EXPECT_EQ(s.pixel(1200, 896), colors::Yellow) << "radius 5 around the hot corner";
    EXPECT_EQ(s.pixel(800, 1100), colors::Red);
    EXPECT_EQ(s.pixel(1000, 1000), colors::White) << "inside the outline";
}

TEST_F(WallEditing, TheWallPainterDrawsDoorLeavesArcsAndOutwardLabels) {
    room.wall.setOutline(
        {{800, 900}, {900, 900}, {980, 900}, {1200, 900}, {1200, 1100}, {800, 1100}},
        {0, DoorEnd, DoorEnd, ArcApexOut, 0, 0});
    move({500, 500});
    Surface& s = canvas.surface();
    EXPECT_EQ(s.pixel(980, 950), colors::Green) << "the leaf, to the wall's right";
    EXPECT_EQ(s.pixel(940, 898), colors::Green);
    // The arc through (980, 900), (1200, 900), (1200, 1100) bulges above the top wall.
    const double r = std::hypot(110.0, 100.0);
    EXPECT_EQ(s.pixel(1090, int(std::lround(1000 - r))), colors::Red);

    // The left wall's label stands left of it, away from the room's middle.
    bool inkLeft = false;
    bool inkRight = false;
    for (int y = 1004; y < 1024; ++y) {
        for (int x = 760; x < 797; ++x) {
            inkLeft = inkLeft || s.pixel(x, y) == colors::Black;
        }
        for (int x = 804; x < 840; ++x) {
            inkRight = inkRight || s.pixel(x, y) == colors::Black;
        }
    }
    EXPECT_TRUE(inkLeft);
    EXPECT_FALSE(inkRight);
}
