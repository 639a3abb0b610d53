#include "design/fill_steps.h"

#include "core/room_canvas.h"
#include "core/tpic_rec.h"
#include "design/design_workspace.h"
#include "design/grid_cell_range.h"

#include <vector>

namespace fill_steps {

namespace {

// The busy pointer shape, as the cursor table registers it.
constexpr int BusyShape = 32;
constexpr int MovePaperShape = 29;

// Whether the covered cell (c, r) lies in the block of the panel it refers to.
bool coveredByItsAnchor(TRoom_OBJ& room, int c, int r) {
    const GridCell anchor = TRoom_OBJ::coveredCellAnchor(room.cell(c, r));
    if (!isGridCell(anchor) || anchor.column > c || anchor.row > r) {
        return false;
    }
    const qint32 product = room.cell(anchor.column, anchor.row);
    if (product < 0) {
        return false;
    }
    const tpic_rec* item =
        room.productLookup(product, room.cellAttribute(anchor.column, anchor.row) % 10);
    if (!item) {
        return true; // an unknown product keeps its cells, as the paint keeps its anchor
    }
    const TRoom_OBJ::CellSpan span = room.spanTest(anchor, item->width, item->height);
    return span.fits && c - anchor.column < span.columns && r - anchor.row < span.rows;
}

// A panel laid over the anchor of another one takes that anchor's place when the grid is
// normalised, but the other panel's remaining covered cells would still refer to it;
// those cells become empty.
void dropStrayCoveredCells(TRoom_OBJ& room) {
    for (int c = room.firstColumn; c <= room.lastColumn; ++c) {
        for (int r = room.firstRow; r <= room.lastRow; ++r) {
            if (room.cell(c, r) < -1 && !coveredByItsAnchor(room, c, r)) {
                room.cell(c, r) = -1;
            }
        }
    }
}

// Normalising lets a later anchor whose block only partly overlaps an earlier panel
// keep its place, so both would be drawn and counted. The earlier one in row-major order
// keeps the cells, as it does for an anchor inside it: the later one is emptied. Whether
// any was.
bool dropOverlappingAnchors(TRoom_OBJ& room) {
    const int firstColumn = room.firstColumn;
    const int firstRow = room.firstRow;
    // Blocks reach up to ten cells past the range.
    const int columns = room.lastColumn + 10 - firstColumn + 1;
    const int rows = room.lastRow + 10 - firstRow + 1;
    std::vector<bool> claimed(std::size_t(columns) * std::size_t(rows), false);
    const auto at = [&](int c, int r) {
        return std::size_t(c - firstColumn) * std::size_t(rows) + std::size_t(r - firstRow);
    };
    bool dropped = false;
    for (int r = room.firstRow; r <= room.lastRow; ++r) {
        for (int c = room.firstColumn; c <= room.lastColumn; ++c) {
            const qint32 product = room.cell(c, r);
            if (product < 0) {
                continue;
            }
            const tpic_rec* item = room.productLookup(product, room.cellAttribute(c, r) % 10);
            if (!item) {
                continue;
            }
            const TRoom_OBJ::CellSpan span = room.spanTest({c, r}, item->width, item->height);
            if (!span.fits) {
                continue;
            }
            bool free = true;
            for (int i = 0; i < span.columns && free; ++i) {
                for (int j = 0; j < span.rows && free; ++j) {
                    free = !claimed[at(c + i, r + j)];
                }
            }
            if (!free) {
                room.cell(c, r) = -1;
                dropped = true;
                continue;
            }
            for (int i = 0; i < span.columns; ++i) {
                for (int j = 0; j < span.rows; ++j) {
                    claimed[at(c + i, r + j)] = true;
                }
            }
        }
    }
    return dropped;
}

} // namespace

void repaint(TRoom_OBJ& room) {
    if (room.roomstyle == SquarePanelRoom) {
        room.normaliseCoveredCells();
        if (dropOverlappingAnchors(room)) {
            room.normaliseCoveredCells();
        }
        dropStrayCoveredCells(room);
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
