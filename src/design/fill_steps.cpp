#include "design/fill_steps.h"

#include "core/room_canvas.h"
#include "design/design_workspace.h"
#include "design/grid_cell_range.h"

namespace fill_steps {

namespace {

// The busy pointer shape, as the cursor table registers it.
constexpr int BusyShape = 32;
constexpr int MovePaperShape = 29;

} // namespace

void repaint(TRoom_OBJ& room) {
    if (room.roomstyle == SquarePanelRoom) {
        room.normaliseCoveredCells();
    }
    room.paint();
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
    // A gesture state shows the shape of the tool it belongs to.
    int tool = room.tool;
    if (tool == DesignRectangleDrag) {
        tool = room.savedTool;
    } else if (tool == DesignBrushHeld) {
        tool = DesignBrush;
    } else if (tool == DesignSelectionDrag) {
        tool = DesignMoveSwap;
    }
    return workspace::toolPointerShape(tool, room.lockCanvas, false, room.currentProduct.id != -1)
        .value_or(MovePaperShape);
}

} // namespace fill_steps
