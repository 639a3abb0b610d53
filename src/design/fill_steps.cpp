#include "design/fill_steps.h"

#include "core/room_canvas.h"
#include "design/grid_cell_range.h"

namespace fill_steps {

namespace {

// Pointer shapes of the design tools, as the cursor table registers them.
constexpr int HollowRectangleShape = 20;
constexpr int RectangleShape = 21;
constexpr int RowShape = 22;
constexpr int ColumnShape = 23;
constexpr int PenShape = 24;
constexpr int ReplaceShape = 25;
constexpr int BrushShape = 26;
constexpr int SwapEmptyShape = 27;
constexpr int SwapShape = 28;
constexpr int MovePaperShape = 29;
constexpr int DeleteShape = 31;
constexpr int BusyShape = 32;

int shapeOfTool(const TRoom_OBJ& room, quint8 tool) {
    switch (tool) {
    case DesignFreeFill:
        return BrushShape;
    case DesignBrush:
    case DesignBrushHeld:
        return PenShape;
    case DesignRectangleFill:
        return RectangleShape;
    case DesignBorderFill:
        return HollowRectangleShape;
    case DesignRowFill:
        return RowShape;
    case DesignColumnFill:
        return ColumnShape;
    case DesignReplaceFill:
        return ReplaceShape;
    case DesignMoveSwap:
    case DesignSelectionDrag:
        return room.currentProduct.id == -1 ? SwapEmptyShape : SwapShape;
    case DesignDelete:
    case DesignDeleteHeld:
        return DeleteShape;
    default:
        return MovePaperShape;
    }
}

} // namespace

void repaint(TRoom_OBJ& room) {
    // The design paint normalises the grid only when it draws a finished outline.
    const bool drawn = room.canvas && room.canvas->canDraw() && room.wall.pointCount() > 2;
    room.paint();
    if (!drawn && room.roomstyle == SquarePanelRoom) {
        room.normaliseCoveredCells();
    }
}

qint32& stripEntry(TRoom_OBJ& room, int index) {
    return room.roomstyle == StripsAlongColumns ? room.cell(index, 1) : room.cell(1, index);
}

std::optional<int> stripIndexAt(const TRoom_OBJ& room, QPoint plan) {
    const int index =
        room.roomstyle == StripsAlongColumns ? room.columnAt(plan.x()) : room.rowAt(plan.y());
    if (index < 1 || index > TRoom_OBJ::LastCell) {
        return std::nullopt;
    }
    return index;
}

void setStrip(TRoom_OBJ& room, int index, int productId, int size) {
    if (room.roomstyle == StripsAlongColumns) {
        room.cell(index, 0) = size;
        room.cell(index, 1) = productId;
        room.cellAttribute(index, 1) = 1;
    } else {
        room.cell(0, index) = size;
        room.cell(1, index) = productId;
        room.cellAttribute(1, index) = 0;
    }
    room.roomChanged = true;
}

int stripOrientation(const TRoom_OBJ& room) {
    return room.roomstyle == StripsAlongColumns ? 1 : 0;
}

qint32 stripSize(const TRoom_OBJ& room, int index) {
    return room.roomstyle == StripsAlongColumns ? room.columnWidth(index) : room.rowHeight(index);
}

int productStripSize(const TRoom_OBJ& room, int width, int height) {
    return room.roomstyle == StripsAlongColumns ? width : height;
}

GridCell anchorOf(const TRoom_OBJ& room, GridCell cell) {
    if (!isGridCell(cell)) {
        return cell;
    }
    const qint32 value = room.cell(cell.column, cell.row);
    if (value >= -1) {
        return cell;
    }
    const GridCell anchor = TRoom_OBJ::coveredCellAnchor(value);
    return isGridCell(anchor) ? anchor : cell;
}

BusyPointer::BusyPointer(TRoom_OBJ& room) : room_(room) {
    if (room_.canvas) {
        room_.canvas->setPointerShape(BusyShape);
    }
}

BusyPointer::~BusyPointer() {
    if (room_.canvas) {
        room_.canvas->setPointerShape(toolPointerShape(room_));
    }
}

int toolPointerShape(const TRoom_OBJ& room) {
    const quint8 tool = room.tool == DesignRectangleDrag ? room.savedTool : room.tool;
    return shapeOfTool(room, tool);
}

} // namespace fill_steps
