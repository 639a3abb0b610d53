#include "core/troom_obj.h"

#include <algorithm>

namespace {

// Margin in cells around the room's bounding box.
constexpr int RangeMargin = 5;

// The first index whose running sum of sizes reaches `mm`, or 0.
template <typename Size> int firstReaching(qint64 mm, Size size) {
    if (mm < 0) {
        return 0;
    }
    qint64 sum = 0;
    for (int i = 1; i <= TRoom_OBJ::LastCell; ++i) {
        sum += size(i);
        if (sum >= mm) {
            return i;
        }
    }
    return 0;
}

} // namespace

int TRoom_OBJ::columnAt(int planX) const {
    return firstReaching(qint64(planX) * 10, [this](int c) { return columnWidth(c); });
}

int TRoom_OBJ::rowAt(int planY) const {
    return firstReaching(qint64(planY) * 10, [this](int r) { return rowHeight(r); });
}

std::optional<GridCell> TRoom_OBJ::cellOfPoint(QPoint plan) const {
    const int column = columnAt(plan.x());
    const int row = rowAt(plan.y());
    if (column == 0 || row == 0) {
        return std::nullopt;
    }
    return GridCell{column, row};
}

void TRoom_OBJ::computeActiveRange() {
    Bounds b;
    if (wall.planBounds(b)) {
        roomBox = b;
    }
    // A corner moved off the grid counts as lying in its first or last cell.
    const auto columnOrEdge = [this](int x) {
        const int c = columnAt(x);
        return c != 0 ? c : (x < 0 ? 1 : LastCell);
    };
    const auto rowOrEdge = [this](int y) {
        const int r = rowAt(y);
        return r != 0 ? r : (y < 0 ? 1 : LastCell);
    };
    lastColumn = columnOrEdge(roomBox.maxX) + 1;
    lastRow = rowOrEdge(roomBox.maxY) + 1;
    firstColumn = columnOrEdge(roomBox.minX);
    firstRow = rowOrEdge(roomBox.minY);
    if (firstColumn > 11) {
        firstColumn -= RangeMargin;
    }
    if (lastColumn < 997) {
        lastColumn += RangeMargin;
    }
    if (firstRow > 11) {
        firstRow -= RangeMargin;
    }
    if (lastRow < 997) {
        lastRow += RangeMargin;
    }
    // The range never reaches past the grid's last column and row.
    lastColumn = std::min(lastColumn, LastCell);
    lastRow = std::min(lastRow, LastCell);

    widthBeforeRange = widthToRangeEnd = 0;
    for (int c = 1; c <= lastColumn; ++c) {
        widthToRangeEnd += columnWidth(c);
        if (c < firstColumn) {
            widthBeforeRange += columnWidth(c);
        }
    }
    heightBeforeRange = heightToRangeEnd = 0;
    for (int r = 1; r <= lastRow; ++r) {
        heightToRangeEnd += rowHeight(r);
        if (r < firstRow) {
            heightBeforeRange += rowHeight(r);
        }
    }
}

void TRoom_OBJ::makeRectangle(int width, int height) {
    if (width == 0 || height == 0) {
        return;
    }
    const int left = (2000 - width) / 2;
    const int top = (2000 - height) / 2;
    const int right = (2000 + width) / 2;
    const int bottom = (2000 + height) / 2;
    wall.setOutline({{left, top}, {right, top}, {right, bottom}, {left, bottom}},
                    {PlainCorner, PlainCorner, PlainCorner, PlainCorner});
    setTool(ToolEditWalls);
    centreView();
    recordStep();
}
