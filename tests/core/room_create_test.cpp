#include "core/troom_obj.h"

#include "fake_canvas.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

RoomContext contextFor(RoomCanvas* canvas) {
    RoomContext context = canvasContext(canvas);
    context.initialPaperWidth = 780;
    return context;
}

} // namespace

TEST(RoomCreation, StartsAtFullScaleInAdjustModeWithAnEmptyGridAndLockedCanvas) {
    FakeCanvas canvas(800, 600);
    TRoom_OBJ room(contextFor(&canvas), 300, 600, SquarePanelRoom, true);
    EXPECT_EQ(room.zoom, 10);
    EXPECT_EQ(room.wall.paperWidth(), 2000);
    EXPECT_EQ(room.editMode, EditAdjustWalls);
    EXPECT_EQ(room.tool, ToolEditWalls);
    EXPECT_TRUE(room.lockCanvas);
    EXPECT_TRUE(room.snapRulerX && room.snapRulerY && room.angleSnap);
    EXPECT_TRUE(room.solidFill);
    EXPECT_FALSE(room.roomModified);
    EXPECT_EQ(room.currentProduct.id, -1);
    EXPECT_EQ(room.minimumCoverage, 5);
    EXPECT_EQ(room.undoLimit, 20);
    EXPECT_FALSE(room.scrollTimerActive());
    EXPECT_EQ(room.scrollTimer->interval(), 50);

    EXPECT_EQ(room.columnWidth(1), 300);
    EXPECT_EQ(room.columnWidth(1000), 300);
    EXPECT_EQ(room.rowHeight(1000), 600);
    EXPECT_EQ(room.cell(1, 1), -1);
    EXPECT_EQ(room.cell(1000, 1000), -1);
    EXPECT_TRUE(room.mask.isNull()) << "the empty outline needs no bitmap";
    EXPECT_EQ(room.maskPixel(1000, 1000), colors::White);
}

TEST(RoomCreation, StripRoomsTakeOneCellSizeForBoth) {
    TRoom_OBJ columns(contextFor(nullptr), 300, 600, StripsAlongColumns, true);
    EXPECT_EQ(columns.rowHeight(1), 300);
    EXPECT_EQ(columns.columnWidth(1), 300);
    TRoom_OBJ rows(contextFor(nullptr), 300, 600, StripsAlongRows, false);
    EXPECT_EQ(rows.columnWidth(500), 600);
    EXPECT_EQ(rows.rowHeight(500), 600);
    EXPECT_EQ(rows.roomstyle, StripsAlongRows);
    EXPECT_FALSE(rows.stripFreeMode);
}

TEST(RoomCreation, CreatNewRoomNamesTheRoomAndMakesTheRectangle) {
    FakeCanvas canvas(800, 600);
    RoomContext context = contextFor(&canvas);
    context.minimumCoverage = 3;
    context.undoLimit = 7;
    NewRoomRequest request;
    request.id = 42;
    request.name = QStringLiteral("  客厅 ");
    request.rectangleWidth = 300;
    request.rectangleHeight = 200;
    RoomEntry entry = CreatNewRoom(context, request);
    ASSERT_TRUE(entry.room);
    EXPECT_EQ(entry.id, 42);
    TRoom_OBJ& room = *entry.room;
    EXPECT_EQ(room.getName(), QStringLiteral("客厅"));
    EXPECT_EQ(room.minimumCoverage, 5) << "never below 5";
    EXPECT_EQ(room.undoLimit, 7);
    ASSERT_EQ(room.wall.pointCount(), 4);
    EXPECT_EQ(room.wall.corner(0), QPoint(850, 900));
    EXPECT_EQ(room.wall.corner(2), QPoint(1150, 1100));
    // The view is centred on the rectangle's middle, plan (1000, 1000).
    EXPECT_EQ(room.wall.planToCanvas({1000, 1000}), QPoint(400, 300));
    EXPECT_TRUE(room.roomModified);

    request.name = QStringLiteral("   ");
    request.rectangleHeight = 0;
    entry = CreatNewRoom(context, request);
    EXPECT_EQ(entry.room->getName(), QStringLiteral("新房间"));
    EXPECT_EQ(entry.room->wall.pointCount(), 0) << "no rectangle unless both sizes are given";
}

TEST(RoomCreation, NotifyHostPrefersTheInstalledCallbackOverTheCanvasParent) {
    FakeCanvas canvas(800, 600);
    TRoom_OBJ room(contextFor(&canvas), 300, 300, SquarePanelRoom, true);
    const int before = canvas.parentNotifications;
    EXPECT_GT(before, 0) << "creation notifies";
    room.notifyHost();
    EXPECT_EQ(canvas.parentNotifications, before + 1);

    int calls = 0;
    room.hostNotifier = [&calls] { ++calls; };
    room.notifyHost();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(canvas.parentNotifications, before + 1);
}
