#include "core/troom_obj.h"

#include "core/rounding.h"
#include "core/wall_dialogs.h"
#include "core/wall_split.h"
#include "platform/prompts.h"

#include <cmath>

// The corner split (a rectangular notch) and the wall split (a recess) of split mode.

void TRoom_OBJ::splitCorner(int c) {
    const int before = wall.prevIndex(c);
    const int after = wall.nextIndex(c);
    const QPoint previous = wall.corner(before);
    const QPoint corner = wall.corner(c);
    const QPoint next = wall.corner(after);
    const bool previousHorizontal = previous.y() == corner.y();
    const QPoint horizontalEnd = previousHorizontal ? previous : next;
    const QPoint verticalEnd = previousHorizontal ? next : previous;
    const int maxA = rounding::halfEven(troom_Wall::wallLengthMm(horizontalEnd, corner) / 10);
    const int maxB = rounding::halfEven(troom_Wall::wallLengthMm(verticalEnd, corner) / 10);
    const std::optional<CornerSplitSizes> sizes =
        wallDialogs ? wallDialogs->askCornerSplit(maxA, maxB) : std::nullopt;
    if (sizes) {
        const CornerNotch notch =
            cornerNotch(previous, corner, next, rounding::halfEven(sizes->a / 10.0),
                        rounding::halfEven(sizes->b / 10.0));
        int at = c;
        if (c == 0) {
            wall.addPoint(notch.towardPrevious, true);
        } else {
            wall.insertPoint(notch.towardPrevious, c, true);
            at = c + 1;
            hotCorner = at;
        }
        if (after == 0) {
            wall.addPoint(notch.towardNext, true);
        } else {
            wall.insertPoint(notch.towardNext, at + 1, true);
        }
        wall.setCorner(at, notch.inner);
        wall.refreshCanvasPoints();
        roomModified = true;
        recordStep();
    }
    setTool(ToolEditWalls);
    editMode = EditAdjustWalls;
}

void TRoom_OBJ::splitWall(WallHit hit) {
    const int s = hit.start;
    int e = hit.end;
    const int length = rounding::halfEven(troom_Wall::wallLengthMm(wall.corner(s), wall.corner(e)));
    std::optional<WallSplitSizes> sizes =
        wallDialogs ? wallDialogs->askWallSplit(length / 10) : std::nullopt;
    editMode = EditAdjustWalls;
    setTool(ToolEditWalls);
    if (!sizes) {
        return;
    }
    // A is measured from the left or upper end of the wall.
    const QPoint start = wall.canvasPoint(s);
    const QPoint end = wall.canvasPoint(e);
    if (start.x() > end.x() || (start.x() == end.x() && start.y() > end.y())) {
        std::swap(sizes->a, sizes->b);
    }
    if (sizes->a <= 0 || sizes->b <= 0 || sizes->a + sizes->b >= length) {
        if (prompts) {
            prompts->message(QStringLiteral("A长与B长之和必须小于墙面长度"));
        }
        return;
    }
    const Recess recess = wallRecess(wall, s, e, length, sizes->a, sizes->b, sizes->c);
    if (recess.zeroLength && prompts) {
        prompts->message(QStringLiteral("拆分墙面错误"));
    }
    for (const QPoint point : recess.points) {
        if (e == 0) {
            wall.addPoint(point, true);
        } else {
            wall.insertPoint(point, e, true);
            ++e;
        }
    }
    wall.refreshCanvasPoints();
    roomModified = true;
    recordStep();
}
