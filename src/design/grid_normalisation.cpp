#include "core/troom_obj.h"

#include "core/tpic_rec.h"
#include "design/grid_cell_range.h"

#include <algorithm>
#include <vector>

// Normalisation settles the grid of a square-panel room: every kept panel owns the cells
// of its block, no two panels share a cell and no covered cell outlives its panel. Every
// path that changes the grid (the tools, reading a room, new cell sizes) is settled by
// the next paint or recount.

namespace {

// The cells that the panels kept so far hold, over the active range and the ten cells
// past it that a block may reach.
class ClaimedCells {
public:
    explicit ClaimedCells(const TRoom_OBJ& room)
        : firstColumn_(room.firstColumn), firstRow_(room.firstRow),
          columns_(std::max(room.lastColumn + 10 - room.firstColumn + 1, 0)),
          rows_(std::max(room.lastRow + 10 - room.firstRow + 1, 0)),
          claimed_(std::size_t(columns_) * std::size_t(rows_), false) {}

    bool anyOf(GridCell anchor, const TRoom_OBJ::CellSpan& span) const {
        for (int i = 0; i < span.columns; ++i) {
            for (int j = 0; j < span.rows; ++j) {
                if (claimed(anchor.column + i, anchor.row + j)) {
                    return true;
                }
            }
        }
        return false;
    }

    void claim(GridCell anchor, const TRoom_OBJ::CellSpan& span) {
        for (int i = 0; i < span.columns; ++i) {
            for (int j = 0; j < span.rows; ++j) {
                claimed_[at(anchor.column + i, anchor.row + j)] = true;
            }
        }
    }

    bool claimed(int c, int r) const { return claimed_[at(c, r)]; }

private:
    std::size_t at(int c, int r) const {
        return std::size_t(c - firstColumn_) * std::size_t(rows_) + std::size_t(r - firstRow_);
    }

    int firstColumn_;
    int firstRow_;
    int columns_;
    int rows_;
    std::vector<bool> claimed_;
};

// Whether the covered cell (c, r) lies in the block of the panel it refers to; such a
// panel anchored outside the active range is not normalised but keeps its cells.
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
        return true; // an unknown product keeps its cells, as normalisation keeps its anchor
    }
    const TRoom_OBJ::CellSpan span = room.spanTest(anchor, item->width, item->height);
    return span.fits && c - anchor.column < span.columns && r - anchor.row < span.rows;
}

} // namespace

void TRoom_OBJ::normaliseCoveredCells(const PanelPainter& drawPanel) {
    ClaimedCells claimed(*this);
    // Neighbouring panels are mostly of one product: its lookup is kept.
    qint32 lastProduct = -1;
    int lastOrientation = -1;
    const tpic_rec* item = nullptr;
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = firstColumn; c <= lastColumn; ++c) {
            const qint32 product = cell(c, r);
            if (product < 0) {
                continue;
            }
            const int orientation = cellAttribute(c, r) % 10;
            if (product != lastProduct || orientation != lastOrientation) {
                item = productLookup(product, orientation);
                lastProduct = product;
                lastOrientation = orientation;
            }
            if (!item) {
                continue;
            }
            const CellSpan span = spanTest({c, r}, item->width, item->height);
            if (!span.fits) {
                cell(c, r) = -1;
                continue;
            }
            // A single cell cannot be reached by a panel met before: it would have been
            // overwritten by its covered cells. A larger block that only partly overlaps
            // such a panel is emptied.
            if (span.columns > 1 || span.rows > 1) {
                if (claimed.anyOf({c, r}, span)) {
                    cell(c, r) = -1;
                    continue;
                }
                claimed.claim({c, r}, span);
                const qint32 covered = coveredCellValue({c, r});
                for (int i = 0; i < span.columns; ++i) {
                    for (int j = 0; j < span.rows; ++j) {
                        if (i != 0 || j != 0) {
                            cell(c + i, r + j) = covered;
                        }
                    }
                }
            }
            if (drawPanel) {
                drawPanel({c, r}, *item, span);
            }
        }
    }
    // Covered cells whose panel was taken out or emptied, or that a panel laid over its
    // anchor left behind.
    for (int c = firstColumn; c <= lastColumn; ++c) {
        for (int r = firstRow; r <= lastRow; ++r) {
            if (cell(c, r) < -1 && !claimed.claimed(c, r) && !coveredByItsAnchor(*this, c, r)) {
                cell(c, r) = -1;
            }
        }
    }
}
