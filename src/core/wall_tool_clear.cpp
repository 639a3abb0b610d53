#include "core/troom_obj.h"

#include "core/ppdu_id.h"
#include "platform/prompts.h"

// "清空墙面": the room without walls and without products; in design mode without products.

void TRoom_OBJ::emptyDesign() {
    for (int c = 1; c <= LastCell; ++c) {
        for (int r = 1; r <= LastCell; ++r) {
            cell(c, r) = -1;
            cellAttribute(c, r) = 0;
        }
    }
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
