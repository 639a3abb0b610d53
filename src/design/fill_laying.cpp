#include "core/troom_obj.h"

#include "core/tpic_rec.h"
#include "design/fill_steps.h"
#include "library/product_library.h"
#include "platform/prompts.h"

#include <algorithm>
#include <optional>

// Laying: the current product over the cells between the drag start and the drag end.

namespace {

// A coordinate outside the room's box moves one centimetre inside it. One on the left or
// top edge moves as well: a point on a grid line belongs to the cell before it, which
// for a room aligned to the grid lies outside the room.
int clampInto(int value, int low, int high) {
    if (value <= low) {
        return low + 1;
    }
    if (value > high) {
        return high - 1;
    }
    return value;
}

void show(TRoom_OBJ& room, const QString& text) {
    if (room.prompts) {
        room.prompts->message(text);
    }
}

// The strips of the block's columns (strips along columns) or rows (along rows). Without
// strip free mode only the columns (rows) of the product's size take it; the others are
// reported once.
void layStrips(TRoom_OBJ& room, GridCell first, GridCell last) {
    const bool columns = room.roomstyle == StripsAlongColumns;
    const tpic_rec* product =
        room.productLookup(room.currentProduct.id, fill_steps::stripOrientation(room));
    if (product) {
        const int size = fill_steps::productStripSize(room, product->width, product->height);
        const int from = columns ? first.column : first.row;
        const int to = columns ? last.column : last.row;
        bool reported = false;
        bool resized = false;
        for (int i = from; i <= to; ++i) {
            const qint32 current = fill_steps::stripSize(room, i);
            if (room.stripFreeMode || current == size) {
                resized = resized || current != size;
                fill_steps::setStrip(room, i, product->id, size);
            } else if (!reported) {
                reported = true;
                show(room, columns ? QStringLiteral("格子宽:") + QString::number(current) +
                                         QStringLiteral(",产品宽:") + QString::number(size) +
                                         QStringLiteral(" 无法完成填充!")
                                   : QStringLiteral("格子高:") + QString::number(current) +
                                         QStringLiteral(",产品高:") + QString::number(size) +
                                         QStringLiteral(" 无法完成填充!"));
            }
        }
        // New column widths (row heights) move the range's edges.
        if (resized) {
            room.computeActiveRange();
        }
    }
    room.recount();
    room.roomModified = true;
}

// The block from `first` to `last` extended so that the last panel in each direction is
// complete; the rows and columns that the last panel spans.
struct ExtendedBlock {
    GridCell last;
    int lastRows = 1;
    int lastColumns = 1;
};

// Span tests from `first` in one direction (down or right) while the position stays
// within `last`: the last position reached when every test fitted, and the span of the
// last test that fitted (1 when the first failed).
struct Run {
    std::optional<int> end;
    int lastSpan = 1;
};

Run runOfPanels(const TRoom_OBJ& room, GridCell first, int last, bool down,
                const tpic_rec& product) {
    Run run;
    int at = down ? first.row : first.column;
    while (at <= last) {
        const GridCell cell = down ? GridCell{first.column, at} : GridCell{at, first.row};
        const TRoom_OBJ::CellSpan span = room.spanTest(cell, product.width, product.height);
        if (!span.fits) {
            return run;
        }
        run.lastSpan = down ? span.rows : span.columns;
        at += run.lastSpan;
    }
    run.end = at - 1;
    return run;
}

ExtendedBlock extendBlock(const TRoom_OBJ& room, GridCell first, GridCell last,
                          const tpic_rec& product) {
    ExtendedBlock block{last};
    const Run down = runOfPanels(room, first, last.row, true, product);
    block.last.row = down.end.value_or(last.row);
    block.lastRows = down.lastSpan;
    const Run right = runOfPanels(room, first, last.column, false, product);
    block.last.column = right.end.value_or(last.column);
    block.lastColumns = right.lastSpan;
    return block;
}

// Places the panel at every cell of the block, or along its border; whether any placed.
bool placeBlock(TRoom_OBJ& room, GridCell first, const ExtendedBlock& block) {
    const int orientation = room.currentProduct.orientation;
    const GridCell last = block.last;
    bool placed = false;
    if (room.solidFill) {
        for (int c = first.column; c <= last.column; ++c) {
            for (int r = first.row; r <= last.row; ++r) {
                placed = room.placePanel({c, r}, orientation) || placed;
            }
        }
        return placed;
    }
    for (int c = first.column; c <= last.column; ++c) {
        placed = room.placePanel({c, first.row}, orientation) || placed;
        placed = room.placePanel({c, last.row - block.lastRows + 1}, orientation) || placed;
    }
    for (int r = first.row; r <= last.row; ++r) {
        placed = room.placePanel({first.column, r}, orientation) || placed;
        placed = room.placePanel({last.column - block.lastColumns + 1, r}, orientation) || placed;
    }
    return placed;
}

} // namespace

void TRoom_OBJ::laying() {
    // Cleared first for objects too: a flag left from an earlier recount would make the
    // caller record a step for a placement that was refused.
    roomChanged = false;
    if (currentProduct.id == -1) {
        return;
    }
    if (currentProduct.kind == KindAppliance || currentProduct.kind == KindFloating) {
        objectPlacement();
        return;
    }
    if (currentProduct.kind != KindSquarePanel && currentProduct.kind != KindStrip) {
        return;
    }
    Bounds box;
    if (!wall.planBounds(box)) {
        return;
    }
    QPoint a = wall.canvasToPlan(dragRectangleStart);
    QPoint b = wall.canvasToPlan(dragRectangleEnd);
    a = {clampInto(a.x(), box.minX, box.maxX), clampInto(a.y(), box.minY, box.maxY)};
    b = {clampInto(b.x(), box.minX, box.maxX), clampInto(b.y(), box.minY, box.maxY)};

    const std::optional<GridCell> cellA = cellOfPoint(a);
    const std::optional<GridCell> cellB = cellOfPoint(b);
    GridCell first = cellA.value_or(GridCell{firstColumn, firstRow});
    GridCell last = cellB.value_or(first);
    if (first.column > last.column) {
        std::swap(first.column, last.column);
    }
    if (first.row > last.row) {
        std::swap(first.row, last.row);
    }
    const bool singleClick = first.column == last.column && first.row == last.row;
    if (singleClick && productGhost) {
        // The product goes where its ghost's top-left corner lies.
        const QPoint corner = wall.canvasToPlan(ghostCorner(pointerPoint));
        if (const std::optional<GridCell> under = cellOfPoint(corner)) {
            first = last = *under;
        }
    }

    const bool stripProduct = currentProduct.kind == KindStrip;
    if (roomstyle != SquarePanelRoom) {
        if (!stripProduct) {
            show(*this, QStringLiteral("条扣房间,您选择了方扣板,填充失败!"));
            return;
        }
        layStrips(*this, first, last);
        return;
    }
    if (stripProduct) {
        show(*this, QStringLiteral("方扣房间,您选择了条扣板,填充失败!"));
        return;
    }

    const tpic_rec* product = productLookup(currentProduct.id, currentProduct.orientation);
    if (!product) {
        return;
    }
    const ExtendedBlock block = extendBlock(*this, first, last, *product);
    const bool placed = placeBlock(*this, first, block);
    if (placed && tool == DesignMoveSwap) {
        // The move and swap tool has put down what it carried.
        currentProduct.id = -1;
        currentProduct.orientation = 0;
    }
    fill_steps::repaint(*this);
    reseatAllAppliances();
    if (singleClick && placed) {
        // Placing subtracted the counts of the panels it replaced; the new one is added.
        const qint32 holder = cell(first.column, first.row);
        if (holder >= 0) {
            if (const int counted = panelContribution(first)) {
                addQuantity(holder, counted);
            }
        }
        statisticsRefresh();
    } else {
        recount();
    }
    roomModified = true;
}
