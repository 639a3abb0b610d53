#include "core/troom_obj.h"

#include "fake_canvas.h"

#include <gtest/gtest.h>

// Tool 1 driven through pointer calls as the canvas sends them, at zoom 10 with the
// plan's origin on the canvas origin (1 pixel = 1 cm).

namespace {

class WallDrawing : public ::testing::Test {
protected:
    WallDrawing()
        : canvas(800, 600), room(canvasContext(&canvas), 300, 300, SquarePanelRoom, true) {
        room.wall.setOrigin({0, 0});
        room.snapRulerX = false;
        room.snapRulerY = false;
        room.angleSnap = false;
        room.editMode = EditAdjustWalls;
        room.setTool(ToolDrawWalls);
    }

    void move(QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier) { room.pointerMove(p, m); }
    void click(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
        move(p);
        room.pointerPress(p, button, Qt::NoModifier);
        room.pointerRelease(p, button, Qt::NoModifier);
    }
    void drag(QPoint from, QPoint to) {
        move(from);
        room.pointerPress(from, Qt::LeftButton, Qt::NoModifier);
        move(to);
        room.pointerRelease(to, Qt::LeftButton, Qt::NoModifier);
    }

    FakeCanvas canvas;
    TRoom_OBJ room;
};

} // namespace

TEST_F(WallDrawing, AngleSnapMakesHorizontalDiagonalAndVerticalWalls) {
    room.angleSnap = true;
    click({200, 200});
    ASSERT_EQ(room.wall.pointCount(), 1);
    move({300, 230});
    EXPECT_EQ(room.pointerPoint, QPoint(300, 200));
    move({300, 280});
    EXPECT_EQ(room.pointerPoint, QPoint(280, 280));
    move({230, 300});
    EXPECT_EQ(room.pointerPoint, QPoint(200, 300));
    move({120, 140});
    EXPECT_EQ(room.pointerPoint, QPoint(140, 140)) << "up-left diagonal";
}

TEST_F(WallDrawing, CtrlSnapsTheAngleWithoutTheFlag) {
    click({200, 200});
    move({300, 230});
    EXPECT_EQ(room.pointerPoint, QPoint(300, 230));
    move({300, 230}, Qt::ControlModifier);
    EXPECT_EQ(room.pointerPoint, QPoint(300, 200));
}

TEST_F(WallDrawing, FixedLengthMakesEveryWallFiftyCentimetres) {
    room.fixedLength = true;
    room.fixedLengthCm = 50;
    click({200, 200});
    click({400, 200});
    click({250, 500});
    ASSERT_EQ(room.wall.pointCount(), 3);
    EXPECT_EQ(room.wall.corner(1), QPoint(250, 200));
    EXPECT_EQ(room.wall.corner(2), QPoint(250, 250));
}

TEST_F(WallDrawing, ATwoPixelDragStartsAPolygon) {
    drag({100, 100}, {102, 100});
    EXPECT_EQ(room.tool, ToolDrawWalls);
    ASSERT_EQ(room.wall.pointCount(), 1);
    EXPECT_EQ(room.wall.corner(0), QPoint(102, 100));
}

TEST_F(WallDrawing, ARectangleDragRunsClockwiseAndIsRecentred) {
    const std::size_t steps = room.undoList.size();
    room.pointerPress({100, 100}, Qt::LeftButton, Qt::NoModifier);
    move({300, 200});
    ASSERT_EQ(room.wall.pointCount(), 5);
    EXPECT_EQ(room.wall.corners(),
              (QList<QPoint>{{300, 200}, {100, 200}, {100, 100}, {300, 100}, {300, 200}}));
    room.pointerRelease({300, 200}, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(room.tool, ToolEditWalls);
    EXPECT_EQ(room.wall.corners(),
              (QList<QPoint>{{1100, 1050}, {900, 1050}, {900, 950}, {1100, 950}}));
    EXPECT_EQ(room.undoList.size(), steps + 1);
}

TEST_F(WallDrawing, ACounterClockwiseRectangleIsReversedByThePaint) {
    room.pointerPress({300, 100}, Qt::LeftButton, Qt::NoModifier);
    move({100, 200});
    EXPECT_EQ(room.wall.corner(0), QPoint(100, 200));
    EXPECT_EQ(room.wall.corner(1), QPoint(300, 200));
    room.pointerRelease({100, 200}, Qt::LeftButton, Qt::NoModifier);
    // Recentred, then reversed: (100, 100), (300, 100), (300, 200), (100, 200) moved.
    EXPECT_EQ(room.wall.corners(),
              (QList<QPoint>{{900, 950}, {1100, 950}, {1100, 1050}, {900, 1050}}));
    EXPECT_GT(room.outlineArea(-1, false), 0);
}

TEST_F(WallDrawing, AClickNearTheFirstCornerClosesTheOutline) {
    click({100, 100});
    click({300, 100});
    click({300, 300});
    const std::size_t steps = room.undoList.size();
    click({105, 110});
    EXPECT_EQ(room.tool, ToolEditWalls);
    EXPECT_EQ(room.wall.pointCount(), 3);
    EXPECT_EQ(room.undoList.size(), steps + 1) << "the closed outline is one undo step";
}

TEST_F(WallDrawing, AnOutlineOfFewerThanThreeCornersDoesNotClose) {
    click({100, 100});
    click({105, 100});
    EXPECT_EQ(room.tool, ToolDrawWalls);
    EXPECT_EQ(room.wall.pointCount(), 2);
    const std::size_t steps = room.undoList.size();
    click({106, 104});
    EXPECT_EQ(room.tool, ToolDrawWalls) << "two corners make no room: drawing goes on";
    EXPECT_EQ(room.wall.pointCount(), 3) << "the click's corner stays";
    EXPECT_EQ(room.undoList.size(), steps);
    click({100, 300});
    click({102, 102});
    EXPECT_EQ(room.tool, ToolEditWalls) << "closed with four corners";
    EXPECT_EQ(room.wall.pointCount(), 4);
}

TEST_F(WallDrawing, AFarClickKeepsDrawing) {
    click({100, 100});
    click({300, 100});
    click({300, 300});
    click({116, 100});
    EXPECT_EQ(room.tool, ToolDrawWalls);
    EXPECT_EQ(room.wall.pointCount(), 4);
}

TEST_F(WallDrawing, ARightReleaseDeletesTheLastCorner) {
    click({100, 100});
    click({300, 100});
    room.roomModified = false;
    click({250, 250}, Qt::RightButton);
    EXPECT_EQ(room.wall.pointCount(), 1);
    EXPECT_TRUE(room.roomModified);
    room.popupRequested({250, 250});
    EXPECT_EQ(canvas.shownPopup, nullptr) << "no popup while drawing";
}

TEST_F(WallDrawing, HintsAndThePenPointer) {
    move({100, 100});
    EXPECT_EQ(room.hintText, QStringLiteral("拖动鼠标作矩形房间"));
    EXPECT_EQ(canvas.pointerShape, 2);
    click({100, 100});
    move({200, 100});
    EXPECT_EQ(room.hintText, QStringLiteral("配合Ctrl键能更方便作图"));
}

TEST_F(WallDrawing, TheDrawingPainterShowsTheLineToThePointer) {
    click({100, 100});
    move({300, 100});
    Surface& s = canvas.surface();
    EXPECT_EQ(s.pixel(200, 99), colors::Blue);
    EXPECT_EQ(s.pixel(200, 100), colors::White) << "white inner line";
    EXPECT_EQ(s.pixel(205, 135), colors::White) << "beside the line";
}
