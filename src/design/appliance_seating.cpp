#include "core/troom_obj.h"

#include "core/rounding.h"
#include "core/tpic_rec.h"
#include "library/product_library.h"

#include <limits>

namespace {

bool inBlock(GridCell cell, GridCell first, GridCell last) {
    return cell.column >= first.column && cell.column <= last.column && cell.row >= first.row &&
           cell.row <= last.row;
}

} // namespace

std::optional<GridCell> TRoom_OBJ::snapToSeatCell(tdianqi_rec& object) {
    // x + 1 must not overflow: a corner that far out is beyond every cell anyway.
    constexpr qint32 beyondEveryCell = std::numeric_limits<qint32>::max();
    if (object.x == beyondEveryCell || object.y == beyondEveryCell) {
        return std::nullopt;
    }
    const std::optional<GridCell> seat = cellOfPoint({object.x + 1, object.y + 1});
    if (!seat) {
        return std::nullopt;
    }
    const ObjectBox cellMm = cellRectangle(*seat);
    object.x = rounding::halfEven(cellMm.left / 10.0);
    object.y = rounding::halfEven(cellMm.top / 10.0);
    object.seatColumn = seat->column;
    object.seatRow = seat->row;
    return seat;
}

bool TRoom_OBJ::seatAppliance(tdianqi_rec& object) {
    if (roomstyle != SquarePanelRoom || object.kind != KindAppliance) {
        return true;
    }
    // An appliance whose corner lies beyond the grid has no cell to sit on.
    const std::optional<GridCell> seat = snapToSeatCell(object);
    if (!seat) {
        return false;
    }
    const tpic_rec* product = productLookup(object.id, object.orientation & 0xFF);
    if (!product) {
        return true;
    }
    const CellSpan span = spanTest(*seat, product->width, product->height);
    if (!span.fits) {
        return false;
    }
    const GridCell last{seat->column + span.columns - 1, seat->row + span.rows - 1};
    for (int i = seat->column; i <= last.column; ++i) {
        for (int j = seat->row; j <= last.row; ++j) {
            const qint32 value = cell(i, j);
            if (value < -1) {
                if (!inBlock(coveredCellAnchor(value), *seat, last)) {
                    removePanel({i, j});
                }
                continue;
            }
            if (value < 0) {
                continue;
            }
            const quint8 orientation = cellAttribute(i, j) % 10;
            const tpic_rec* panel = productLookup(value, orientation);
            if (!panel) {
                continue;
            }
            const CellSpan panelSpan = spanTest({i, j}, panel->width, panel->height);
            if (!panelSpan.fits) {
                continue;
            }
            if (i + panelSpan.columns - 1 > last.column || j + panelSpan.rows - 1 > last.row) {
                removePanel({i, j});
            } else {
                // Kept under the appliance: shown again when it moves away.
                cellAttribute(i, j) = quint8(10 + orientation);
            }
        }
    }
    return true;
}

void TRoom_OBJ::reseatAllAppliances() {
    if (roomstyle != SquarePanelRoom) {
        return;
    }
    for (const std::unique_ptr<tdianqi_rec>& object : objects) {
        if (object->kind == KindAppliance) {
            seatAppliance(*object);
        }
    }
}

bool TRoom_OBJ::applianceOverlap(const ObjectBox& a, const ObjectBox& b) {
    const bool apartAcross =
        (b.left >= a.left && b.left + 2 >= a.right) || (a.left >= b.left && a.left + 2 >= b.right);
    const bool apartDown =
        (b.top >= a.top && b.top + 2 >= a.bottom) || (a.top >= b.top && a.top + 2 >= b.bottom);
    return !apartAcross && !apartDown;
}
