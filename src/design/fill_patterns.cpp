#include "core/troom_obj.h"

#include "core/tpic_rec.h"
#include "design/fill_steps.h"
#include "library/product_library.h"
#include "platform/prompts.h"

// Whole and pattern fills: 0 every cell, 1/2 odd/even rows, 3/4 odd/even columns, 5/6
// the two chessboards.

namespace {

constexpr int AllCells = 0;
constexpr int OddRows = 1;
constexpr int EvenRows = 2;
constexpr int OddColumns = 3;
constexpr int EvenColumns = 4;
constexpr int OddChessboard = 5;
constexpr int EvenChessboard = 6;

void show(TRoom_OBJ& room, const QString& text) {
    if (room.prompts) {
        room.prompts->message(text);
    }
}

// Calls `visit` for the cells of the pattern between the cells of the room's corners;
// stripes count from the room's first column or row, chessboards from the absolute row.
template <typename Visit>
void visitPattern(int pattern, GridCell first, GridCell last, Visit visit) {
    switch (pattern) {
    case AllCells:
        for (int c = first.column; c <= last.column; ++c) {
            for (int r = first.row; r <= last.row; ++r) {
                visit(GridCell{c, r});
            }
        }
        break;
    case OddRows:
    case EvenRows:
        for (int r = first.row + (pattern - OddRows); r <= last.row; r += 2) {
            for (int c = first.column; c <= last.column; ++c) {
                visit(GridCell{c, r});
            }
        }
        break;
    case OddColumns:
    case EvenColumns:
        for (int c = first.column + (pattern - OddColumns); c <= last.column; c += 2) {
            for (int r = first.row; r <= last.row; ++r) {
                visit(GridCell{c, r});
            }
        }
        break;
    case OddChessboard:
    case EvenChessboard:
        for (int r = first.row; r <= last.row; ++r) {
            for (int c = first.column + (pattern + r - OddChessboard) % 2; c <= last.column;
                 c += 2) {
                visit(GridCell{c, r});
            }
        }
        break;
    default:
        break;
    }
}

void fillSquarePanels(TRoom_OBJ& room, const tpic_rec& product, int pattern, int orientation) {
    Bounds box;
    if (!room.wall.planBounds(box)) {
        return;
    }
    // The first cell inside the box: a corner on a grid line belongs to the cell before it.
    const std::optional<GridCell> first = room.cellOfPoint({box.minX + 1, box.minY + 1});
    const std::optional<GridCell> last = room.cellOfPoint({box.maxX, box.maxY});
    if (!first || !last) {
        return;
    }
    visitPattern(pattern, *first, *last, [&](GridCell at) {
        const TRoom_OBJ::CellSpan span =
            room.spanTestUnbounded(at, product.width, product.height, TRoom_OBJ::SpanAxes::Both);
        if (!span.fits) {
            return;
        }
        if (room.cell(at.column, at.row) != -1) {
            room.removePanel(at);
        }
        room.cell(at.column, at.row) = product.id;
        room.cellAttribute(at.column, at.row) = quint8(orientation);
        room.roomChanged = true;
    });
}

// Strips along columns take the odd or even column patterns, strips along rows the row
// patterns; both count from the grid's first column (row).
void fillStrips(TRoom_OBJ& room, int pattern) {
    const bool columns = room.roomstyle == StripsAlongColumns;
    const tpic_rec* product =
        room.productLookup(room.currentProduct.id, fill_steps::stripOrientation(room));
    if (!product) {
        return;
    }
    int start = 0;
    if (pattern == AllCells) {
        start = 1;
    } else if (columns && (pattern == OddColumns || pattern == EvenColumns)) {
        start = pattern - OddColumns + 1;
    } else if (!columns && (pattern == OddRows || pattern == EvenRows)) {
        start = pattern - OddRows + 1;
    } else {
        return;
    }
    const int step = pattern == AllCells ? 1 : 2;
    const int size = fill_steps::productStripSize(room, product->width, product->height);
    const TRoom_OBJ::SpanAxes axis =
        columns ? TRoom_OBJ::SpanAxes::Width : TRoom_OBJ::SpanAxes::Height;
    for (int i = start; i <= TRoom_OBJ::LastCell; i += step) {
        const GridCell at = columns ? GridCell{i, 1} : GridCell{1, i};
        if (room.stripFreeMode ||
            room.spanTestUnbounded(at, product->width, product->height, axis).fits) {
            fill_steps::setStrip(room, i, product->id, size);
        }
    }
}

} // namespace

void TRoom_OBJ::wholeAndPatternFill(int pattern, int orientation) {
    if (currentProduct.id == -1 || currentProduct.kind >= KindAppliance) {
        return;
    }
    if (wall.pointCount() <= 2) {
        show(*this, QStringLiteral("房间还未画完！"));
        return;
    }
    fill_steps::BusyPointer busy(*this);
    const tpic_rec* product = productLookup(currentProduct.id, orientation);
    if (!product) {
        show(*this, QStringLiteral("没找到该产品信息..."));
        return;
    }
    if (product->kind == KindSquarePanel && roomstyle != SquarePanelRoom) {
        show(*this, QStringLiteral("该产品非条扣板,不能填充。"));
        return;
    }
    if (product->kind == KindStrip && roomstyle == SquarePanelRoom) {
        show(*this, QStringLiteral("该产品非方扣板,不能填充。"));
        return;
    }
    if (product->kind >= KindAppliance && product->kind <= 10) {
        show(*this, QStringLiteral("该产品非扣板,不能填充。"));
        return;
    }
    if (product->kind != KindSquarePanel && product->kind != KindStrip) {
        return;
    }
    roomChanged = false;
    if (roomstyle == SquarePanelRoom) {
        fillSquarePanels(*this, *product, pattern, orientation);
    } else {
        fillStrips(*this, pattern);
    }
    computeActiveRange();
    roomModified = true;
    fill_steps::repaint(*this);
    reseatAllAppliances();
    recount();
    recordStep();
}
