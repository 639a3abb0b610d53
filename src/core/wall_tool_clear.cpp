#include "core/troom_obj.h"

#include "core/ppdu_id.h"
#include "platform/prompts.h"

// "清空墙面": the room without walls and without products; in design mode without products.

namespace {

// The grid with every cell emptied and the sizes (column 0 and row 0) kept.
template <typename T> void emptyCells(BlockGrid<T>& grid, T empty) {
    BlockGrid<T> emptied(TRoom_OBJ::GridSide, empty);
    const BlockGrid<T>& kept = grid;
    for (int i = 0; i <= TRoom_OBJ::LastCell; ++i) {
        emptied(i, 0) = kept(i, 0);
        emptied(0, i) = kept(0, i);
    }
    grid = std::move(emptied);
}

} // namespace

void TRoom_OBJ::emptyDesign() {
    emptyCells<qint32>(cells, -1);
    emptyCells<quint8>(cellAttributes, 0);
    objects.clear();
    billLines.clear();
    statisticsRefresh();
}

bool TRoom_OBJ::clearWalls() {
    // In design mode the same command empties the design and keeps the walls.
    if (editMode == EditDesign) {
        return clearDesign();
    }
    if (wall.pointCount() == 0 || !prompts ||
        !prompts->confirm(QStringLiteral("是否清除当前房间［") + title +
                          QStringLiteral("］ 的墙面信息?"))) {
        return false;
    }
    wall.clearOutline();
    emptyDesign();
    hotCorner = -1;
    hotWall = WallHit();
    paint();
    recordStep();
    roomModified = true;
    return true;
}
