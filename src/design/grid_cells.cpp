#include "core/troom_obj.h"

#include "design/grid_cell_range.h"
#include "design/grid_edges.h"

#include <algorithm>

namespace {

// How many sizes from `first` on add up to exactly `wanted`, looking at indices below
// `bound` after the first; 0 when they do not.
template <typename Size> int cellsSpanned(int first, int wanted, int bound, Size size) {
    qint64 sum = size(first);
    int k = first + 1;
    while (sum < wanted && k < bound) {
        sum += size(k);
        ++k;
    }
    return sum == wanted ? k - first : 0;
}

template <typename Size> qint64 sizesBefore(int index, Size size) {
    qint64 sum = 0;
    for (int i = 1; i < index; ++i) {
        sum += size(i);
    }
    return sum;
}

} // namespace

TRoom_OBJ::CellSpan TRoom_OBJ::spanTest(GridCell cell, int width, int height) const {
    if (!isGridCell(cell)) {
        return {};
    }
    // Ten cells past the active range, never past the grid.
    const int columnBound = std::min(lastColumn + 10, LastCell + 1);
    const int rowBound = std::min(lastRow + 10, LastCell + 1);
    CellSpan span;
    span.columns =
        cellsSpanned(cell.column, width, columnBound, [this](int c) { return columnWidth(c); });
    span.rows = span.columns == 0 ? 0 : cellsSpanned(cell.row, height, rowBound, [this](int r) {
        return rowHeight(r);
    });
    span.fits = span.columns > 0 && span.rows > 0;
    return span;
}

TRoom_OBJ::CellSpan TRoom_OBJ::spanTestUnbounded(GridCell cell, int width, int height,
                                                 SpanAxes axes) const {
    if (!isGridCell(cell)) {
        return {};
    }
    CellSpan span;
    span.columns = 1;
    span.rows = 1;
    if (axes != SpanAxes::Height) {
        span.columns = cellsSpanned(cell.column, width, LastCell + 1,
                                    [this](int c) { return columnWidth(c); });
    }
    if (axes != SpanAxes::Width) {
        span.rows =
            cellsSpanned(cell.row, height, LastCell + 1, [this](int r) { return rowHeight(r); });
    }
    span.fits = span.columns > 0 && span.rows > 0;
    return span;
}

ObjectBox TRoom_OBJ::cellRectangle(GridCell cell) const {
    if (!isGridCell(cell)) {
        return {};
    }
    return blockRectangle(cell, columnWidth(cell.column), rowHeight(cell.row));
}

ObjectBox TRoom_OBJ::blockRectangle(GridCell cell, int width, int height) const {
    if (!isGridCell(cell)) {
        return {};
    }
    const qint64 left = sizesBefore(cell.column, [this](int c) { return columnWidth(c); });
    const qint64 top = sizesBefore(cell.row, [this](int r) { return rowHeight(r); });
    return {qint32(left), qint32(top), qint32(left + width), qint32(top + height)};
}

ObjectBox TRoom_OBJ::blockPlanRectangle(GridCell cell, int width, int height) const {
    const ObjectBox mm = blockRectangle(cell, width, height);
    return {GridEdges::toCm(mm.left), GridEdges::toCm(mm.top), GridEdges::toCm(mm.right),
            GridEdges::toCm(mm.bottom)};
}
