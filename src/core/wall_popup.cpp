#include "core/troom_obj.h"

#include "core/rounding.h"
#include "platform/prompts.h"

#include <algorithm>

// The wall popup: its entries, their enabling at the pointer point and their commands.

namespace {

enum WallPopupItem {
    InsertCornerItem,
    DeleteCornerItem,
    DeleteWallItem,
    ArcItem,
    InsertItem,
    SplitItem,
    CancelItem,
};

enum OpeningTag { WindowTag = 1, DoorTag = 2 };

// The plan's diagonal in cm: no wall is longer, so no opening is wider.
constexpr double LargestOpeningWidth = 2829;

bool isOpeningEnd(quint8 kind) {
    return kind == WindowEnd || kind == DoorEnd;
}

} // namespace

void TRoom_OBJ::buildWallPopup() {
    wallPopup.items.clear();
    wallPopup.add(QStringLiteral("插入节点"), 0, [this] { insertCornerOnHotWall(); });
    wallPopup.add(QStringLiteral("删除节点"), 0, [this] { deleteHotCorner(); });
    wallPopup.add(QStringLiteral("删除线"), 0, [this] { deleteHotWall(); });
    wallPopup.add(QStringLiteral("设置圆弧"), 0, [this] { toggleHotCornerArc(); });
    MenuItem& insert = wallPopup.add(QStringLiteral("插入"));
    MenuItem window;
    window.caption = QStringLiteral("窗");
    window.tag = WindowTag;
    window.onChosen = [this] { insertOpening(WindowEnd); };
    MenuItem door;
    door.caption = QStringLiteral("门");
    door.tag = DoorTag;
    door.onChosen = [this] { insertOpening(DoorEnd); };
    insert.items = {window, door};
    wallPopup.add(QStringLiteral("拆分墙面"), 0, [this] {
        editMode = EditSplitWalls;
        setTool(ToolEditWalls);
        paint();
    });
    wallPopup.add(QStringLiteral("取消菜单"));
}

void TRoom_OBJ::wallPopupOpening(QPoint) {
    if (wallPopup.items.size() != CancelItem + 1) {
        buildWallPopup();
    }
    std::vector<MenuItem>& items = wallPopup.items;
    hotWall = wall.findWall(pointerPoint);
    const bool onWall = hotWall.found();
    items[InsertCornerItem].enabled = onWall;
    if (onWall) {
        const bool opening =
            isOpeningEnd(wall.kind(hotWall.start)) && isOpeningEnd(wall.kind(hotWall.end));
        items[DeleteWallItem].caption =
            opening ? QStringLiteral("删除门窗") : QStringLiteral("删除线");
    }
    hotCorner = wall.findCorner(pointerPoint);
    const bool onCorner = hotCorner >= 0;
    items[DeleteCornerItem].enabled = onCorner;
    items[DeleteWallItem].enabled = onWall;
    items[InsertItem].enabled = onWall;
    items[ArcItem].enabled = onCorner;
    if (onCorner) {
        items[ArcItem].caption = isArcApex(wall.kind(hotCorner)) ? QStringLiteral("取消圆弧")
                                                                 : QStringLiteral("设置圆弧");
    }
}

void TRoom_OBJ::insertCornerOnHotWall() {
    if (!hotWall.found()) {
        return;
    }
    const QPoint foot = troom_Wall::footOnLine(wall.canvasPoint(hotWall.start),
                                               wall.canvasPoint(hotWall.end), pointerPoint);
    wall.insertPoint(foot, hotWall.end, false);
    roomModified = true;
    paint();
    recordStep();
}

void TRoom_OBJ::deleteHotCorner() {
    if (!wall.deletePoint(hotCorner)) {
        return;
    }
    roomModified = true;
    paint();
    recordStep();
}

void TRoom_OBJ::deleteHotWall() {
    if (!hotWall.found()) {
        return;
    }
    wall.deletePoint(std::max(hotWall.start, hotWall.end));
    wall.deletePoint(std::min(hotWall.start, hotWall.end));
    hotWall = WallHit();
    roomModified = true;
    paint();
    recordStep();
}

void TRoom_OBJ::toggleHotCornerArc() {
    const int c = hotCorner;
    if (c < 0 || c >= wall.pointCount()) {
        return;
    }
    wall.setKind(wall.prevIndex(c), PlainCorner);
    wall.setKind(wall.nextIndex(c), PlainCorner);
    wall.setKind(c, wall.kind(c) == PlainCorner ? ArcApexOut : PlainCorner);
    roomModified = true;
    paint();
    recordStep();
}

void TRoom_OBJ::insertOpening(quint8 kind) {
    if (!hotWall.found() || !prompts) {
        return;
    }
    const int s = hotWall.start;
    int e = hotWall.end;
    const QPoint start = wall.corner(s);
    const QPoint end = wall.corner(e);
    const int length = rounding::halfEven(troom_Wall::wallLengthMm(start, end) / 10);
    // A width in hundredths of a centimetre; one that does not fit the wall is refused
    // below.
    const std::optional<double> width =
        prompts->inputNumber(QStringLiteral("输入"), QStringLiteral("门窗宽(厘米):"), length - 10,
                             0, LargestOpeningWidth, 2);
    if (!width) {
        return;
    }
    const QPoint foot = troom_Wall::footOnLine(start, end, wall.canvasToPlan(pointerPoint));
    const int fromStart = rounding::halfEven(troom_Wall::wallLengthMm(start, foot) / 10);
    // The opening runs from the foot toward the wall's end and must end before it.
    if (*width <= 0 || fromStart + *width >= length) {
        prompts->message(QStringLiteral("门窗宽度超出墙面长度"));
        return;
    }
    const auto insertCorner = [this, kind](QPoint canvasPoint, int at) {
        const int index =
            at == 0 ? wall.addPoint(canvasPoint, false) : wall.insertPoint(canvasPoint, at, false);
        wall.setKind(index, kind);
    };
    insertCorner(wall.planToCanvas(foot), e);
    const double r = (fromStart + *width) / (length - fromStart - *width);
    if (e != 0) {
        ++e;
    }
    const QPoint startCanvas = wall.canvasPoint(s);
    const QPoint endCanvas = wall.canvasPoint(e);
    insertCorner({rounding::halfEven((endCanvas.x() * r + startCanvas.x()) / (r + 1)),
                  rounding::halfEven((endCanvas.y() * r + startCanvas.y()) / (r + 1))},
                 e);
    paint();
    roomModified = true;
    recordStep();
}
