#include "design/grid_edges.h"

#include "core/rounding.h"

GridEdges::GridEdges(const TRoom_OBJ& room) {
    for (int i = 1; i <= TRoom_OBJ::LastCell; ++i) {
        columnLeft_[std::size_t(i) + 1] = columnLeft_[std::size_t(i)] + room.columnWidth(i);
        rowTop_[std::size_t(i) + 1] = rowTop_[std::size_t(i)] + room.rowHeight(i);
    }
}

ObjectBox GridEdges::planBlock(GridCell anchor, int width, int height) const {
    const qint64 left = columnLeft(anchor.column);
    const qint64 top = rowTop(anchor.row);
    return {toCm(left), toCm(top), toCm(left + width), toCm(top + height)};
}

int GridEdges::toCm(qint64 mm) {
    return rounding::halfEven(double(mm) / 10);
}
