#pragma once

#include "core/troom_obj.h"

#include <array>

// The left edge of every column and the top edge of every row in mm, summed once so that
// a count over the whole room measures each cell in constant time.
class GridEdges {
public:
    explicit GridEdges(const TRoom_OBJ& room);

    qint64 columnLeft(int column) const { return columnLeft_[std::size_t(column)]; }
    qint64 rowTop(int row) const { return rowTop_[std::size_t(row)]; }
    // The plan rectangle in cm of a width x height mm block anchored at a cell.
    ObjectBox planBlock(GridCell anchor, int width, int height) const;
    static int toCm(qint64 mm);

private:
    // Index 1..1001: the edge before column (row) i.
    std::array<qint64, TRoom_OBJ::GridSide + 1> columnLeft_{};
    std::array<qint64, TRoom_OBJ::GridSide + 1> rowTop_{};
};
