#include "core/troom_obj.h"

#include "fake_canvas.h"

#include <gtest/gtest.h>

namespace {

RoomContext noCanvas() {
    return RoomContext{};
}

} // namespace

TEST(RoomGrid, PointToCellPutsBoundariesInTheLeftColumn) {
    TRoom_OBJ room(noCanvas(), 300, 600, SquarePanelRoom, true);
    EXPECT_EQ(room.columnAt(0), 1);
    EXPECT_EQ(room.columnAt(30), 1) << "300 mm: the boundary belongs to column 1";
    EXPECT_EQ(room.columnAt(31), 2);
    EXPECT_EQ(room.rowAt(60), 1);
    EXPECT_EQ(room.rowAt(61), 2);
    EXPECT_EQ(room.columnAt(-1), 0);
    EXPECT_FALSE(room.cellOfPoint({-1, 5}).has_value());
    room.cell(5, 0) = 1000; // a wider column moves the ones after it
    EXPECT_EQ(room.columnAt(220), 5);
    EXPECT_EQ(room.columnAt(221), 6);
    const std::optional<GridCell> cell = room.cellOfPoint({221, 61});
    ASSERT_TRUE(cell.has_value());
    EXPECT_EQ(cell->column, 6);
    EXPECT_EQ(cell->row, 2);

    TRoom_OBJ small(noCanvas(), 20, 20, SquarePanelRoom, true);
    EXPECT_EQ(small.columnAt(2000), 1000);
    EXPECT_EQ(small.columnAt(2001), 0) << "beyond the sum of all columns";
}

TEST(RoomGrid, ActiveRangeAddsFiveCellsOfMarginAwayFromTheGridStart) {
    TRoom_OBJ room(noCanvas(), 300, 300, SquarePanelRoom, true);
    // Bounding box from column 3, row 12 (x = 61 cm, y = 331 cm) to column 20, row 25.
    room.wall.setOutline({{61, 331}, {600, 331}, {600, 750}}, {});
    room.computeActiveRange();
    EXPECT_EQ(room.firstColumn, 3) << "no margin below column 12";
    EXPECT_EQ(room.firstRow, 7);
    EXPECT_EQ(room.lastColumn, 20 + 1 + 5);
    EXPECT_EQ(room.lastRow, 25 + 1 + 5);
    EXPECT_EQ(room.widthBeforeRange, 2 * 300);
    EXPECT_EQ(room.heightBeforeRange, 6 * 300);
    EXPECT_EQ(room.widthToRangeEnd, 26 * 300);
    EXPECT_EQ(room.heightToRangeEnd, 31 * 300);
    EXPECT_EQ(room.roomBox.minX, 61);
    EXPECT_EQ(room.roomBox.maxY, 750);
}

TEST(RoomGrid, ActiveRangeStaysInsideTheGrid) {
    // 20 mm cells: the plan's far edge lies in column 1000.
    TRoom_OBJ room(noCanvas(), 20, 20, SquarePanelRoom, true);
    room.wall.setOutline({{1, 1}, {1999, 1}, {1999, 1999}, {1, 1999}}, {});
    room.computeActiveRange();
    EXPECT_EQ(room.firstColumn, 1);
    EXPECT_EQ(room.lastColumn, 1000);
    EXPECT_EQ(room.lastRow, 1000);
    EXPECT_EQ(room.widthToRangeEnd, 20000);

    room.wall.setOutline({{1, 1}, {1990, 1}, {1990, 1990}}, {});
    room.computeActiveRange();
    EXPECT_EQ(room.lastColumn, 1000) << "column 995 + 1 + 5 would pass the grid";

    room.wall.setOutline({{-50, -50}, {2500, -50}, {2500, 2500}}, {});
    room.computeActiveRange();
    EXPECT_EQ(room.firstColumn, 1) << "corners off the grid count as its edge cells";
    EXPECT_EQ(room.lastColumn, 1000);
}

TEST(RoomGrid, ActiveRangeKeepsTheLastBoxWhenTheBoundsFail) {
    TRoom_OBJ room(noCanvas(), 300, 300, SquarePanelRoom, true);
    room.wall.setOutline({{400, 400}, {700, 400}, {700, 700}}, {});
    room.computeActiveRange();
    room.wall.setOutline({{5, 5}}, {});
    room.computeActiveRange();
    EXPECT_EQ(room.roomBox.maxX, 700);
    EXPECT_EQ(room.lastColumn, 24 + 1 + 5);
}

TEST(RoomGrid, MakeRectangleCentresTheWallsOnThePlan) {
    FakeCanvas canvas(800, 600);
    TRoom_OBJ room(canvasContext(&canvas), 300, 300, SquarePanelRoom, true);
    room.setTool(ToolDrawWalls);
    room.makeRectangle(301, 200);
    ASSERT_EQ(room.wall.pointCount(), 4);
    EXPECT_EQ(room.wall.corner(0), QPoint(849, 900));
    EXPECT_EQ(room.wall.corner(1), QPoint(1150, 900));
    EXPECT_EQ(room.wall.corner(2), QPoint(1150, 1100));
    EXPECT_EQ(room.wall.corner(3), QPoint(849, 1100));
    EXPECT_EQ(room.wall.kinds(), QList<quint8>(4, PlainCorner));
    EXPECT_EQ(room.tool, ToolEditWalls);
    EXPECT_EQ(room.wall.canvasPoint(1), room.wall.planToCanvas({1150, 900}));
    EXPECT_EQ(room.wall.planToCanvas({999, 1000}), QPoint(400, 300));

    room.makeRectangle(0, 500);
    EXPECT_EQ(room.wall.corner(0), QPoint(849, 900)) << "a zero size changes nothing";
}
