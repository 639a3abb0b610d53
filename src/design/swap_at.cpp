#include "core/troom_obj.h"

#include "core/tpic_rec.h"
#include "design/grid_cell_range.h"
#include "library/product_library.h"

// The move and swap tool's exchange of the hand with what lies in the grid at a point:
// the hand takes the panel or strip that was there and puts down what it carried.

namespace {

void emptyHand(CurrentProduct& hand) {
    hand = CurrentProduct{};
}

// The hand becomes the strip entry that was there (empty when there was none).
void takeStrip(CurrentProduct& hand, qint32 entry, quint8 attribute) {
    if (entry < 0) {
        emptyHand(hand);
    } else {
        hand = {entry, KindStrip, quint8(attribute % 10)};
    }
}

} // namespace

void TRoom_OBJ::swapAt(QPoint p) {
    const QPoint point = ghostCorner(p);
    const std::optional<GridCell> at = cellOfPoint(wall.canvasToPlan(point));
    if (!at) {
        return;
    }
    dragRectangleStart = point;
    dragRectangleEnd = point;
    roomChanged = false;
    if (roomstyle == SquarePanelRoom) {
        GridCell anchor = *at;
        if (cell(anchor.column, anchor.row) < -1) {
            anchor = coveredCellAnchor(cell(anchor.column, anchor.row));
        }
        const qint32 panel = isGridCell(anchor) ? cell(anchor.column, anchor.row) : -1;
        if (panel >= 0) {
            const quint8 attribute = cellAttribute(anchor.column, anchor.row);
            if (currentProduct.id == -1) {
                removePanel(anchor);
                cell(anchor.column, anchor.row) = -1;
                cellAttribute(anchor.column, anchor.row) = 0;
                statisticsRefresh();
            } else {
                laying();
            }
            if (roomChanged) {
                currentProduct = {panel, KindSquarePanel, quint8(attribute % 10)};
            }
        } else if (currentProduct.id != -1) {
            // Laying empties the hand when it put the product down; a product that does
            // not fit there stays in the hand instead of being lost.
            laying();
        }
    } else {
        const bool columns = roomstyle == StripsAlongColumns;
        const GridCell entryCell = columns ? GridCell{at->column, 1} : GridCell{1, at->row};
        const qint32 entry = cell(entryCell.column, entryCell.row);
        const quint8 attribute = cellAttribute(entryCell.column, entryCell.row);
        if (currentProduct.id == -1) {
            if (entry != -1) {
                cell(entryCell.column, entryCell.row) = -1;
                roomChanged = true;
            }
        } else if (currentProduct.kind == KindStrip) {
            const tpic_rec* strip = productLookup(currentProduct.id, columns ? 1 : 0);
            // The size entry of the column (c, 0) or of the row (0, r).
            qint32& size = columns ? cell(at->column, 0) : cell(0, at->row);
            if (strip) {
                const qint32 stripSize = columns ? strip->width : strip->height;
                if (stripFreeMode || stripSize == size) {
                    if (stripFreeMode) {
                        size = stripSize;
                    }
                    cell(entryCell.column, entryCell.row) = currentProduct.id;
                    cellAttribute(entryCell.column, entryCell.row) = columns ? 1 : 0;
                    roomChanged = true;
                }
            }
        }
        if (roomChanged) {
            takeStrip(currentProduct, entry, attribute);
            recount();
        }
    }
    roomModified = true;
    paint();
    if (roomChanged) {
        recordStep();
    }
    statisticsRefresh();
}
