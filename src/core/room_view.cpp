#include "core/troom_obj.h"

#include "core/room_canvas.h"
#include "core/rounding.h"

#include <QTimer>

#include <algorithm>
#include <exception>

using rounding::halfEven;
using rounding::mul32;

namespace {

constexpr int MaxZoomForZoomIn = 20;
constexpr int MinZoomForZoomOut = 3;
// How far (pixels) the plan's edge may be scrolled inside the canvas.
constexpr int EdgeMargin = 40;
constexpr int ScrollStep = 5;

} // namespace

int TRoom_OBJ::canvasWidth() const {
    return canvas ? canvas->width() : 0;
}

int TRoom_OBJ::canvasHeight() const {
    return canvas ? canvas->height() : 0;
}

void TRoom_OBJ::zoomIn() {
    if (zoom <= MaxZoomForZoomIn) {
        changeZoom(2);
    }
}

void TRoom_OBJ::zoomOut() {
    if (zoom >= MinZoomForZoomOut) {
        changeZoom(-2);
    }
}

void TRoom_OBJ::wheelTurned(int delta) {
    if (delta > 0) {
        zoomOut();
    } else {
        zoomIn();
    }
}

// Keeps the plan point under the canvas centre where it is.
void TRoom_OBJ::changeZoom(int step) {
    const QPoint centre(canvasWidth() / 2, canvasHeight() / 2);
    const QPoint before = wall.canvasToPlan(centre);
    zoom += step;
    wall.setPaperWidth(zoom * 2000 / 10);
    const QPoint after = wall.canvasToPlan(centre);
    const int scale = wall.paperWidth();
    const QPoint origin = wall.getOrigin();
    wall.setOrigin({origin.x() - halfEven(mul32(scale, before.x() - after.x()) / 2000.0),
                    origin.y() - halfEven(mul32(scale, before.y() - after.y()) / 2000.0)});
    paint();
    notifyHost();
}

void TRoom_OBJ::limitOrigin() {
    const int w = canvasWidth();
    const int h = canvasHeight();
    const int scale = wall.paperWidth();
    QPoint o = wall.getOrigin();
    o.setX(std::min(o.x(), EdgeMargin));
    o.setY(std::min(o.y(), EdgeMargin));
    if (scale + o.x() < w - EdgeMargin) {
        o.setX(w - scale - EdgeMargin);
    }
    if (scale + o.y() < h - 42) {
        o.setY(h - scale - EdgeMargin);
    }
    if (scale < w) {
        o.setX((w - scale) / 2);
    }
    if (scale < h) {
        o.setY((h - scale) / 2);
    }
    wall.setOrigin(o);
}

int TRoom_OBJ::rulerStepForZoom(int zoomLevel) {
    if (zoomLevel <= 3) {
        return 100;
    }
    if (zoomLevel <= 7) {
        return 50;
    }
    if (zoomLevel <= 14) {
        return 20;
    }
    return 10;
}

void TRoom_OBJ::centreView() {
    const int w = canvasWidth();
    const int h = canvasHeight();
    const int scale = wall.paperWidth();
    if (wall.pointCount() == 0) {
        wall.setOrigin({(w - scale) / 2, (h - scale) / 2});
        paint();
        return;
    }
    Bounds b;
    const QPoint target = wall.planBounds(b) ? QPoint((b.minX + b.maxX) / 2, (b.minY + b.maxY) / 2)
                                             : QPoint(scale / 2, scale / 2);
    const QPoint q = wall.planToCanvas(target);
    wall.setOrigin(wall.getOrigin() + QPoint(w / 2 - q.x(), h / 2 - q.y()));
    roomModified = true;
    paint();
}

void TRoom_OBJ::recentrePlan() {
    Bounds b;
    // With fewer than two corners there are no bounds to move by.
    if (wall.pointCount() >= 2) {
        wall.planBounds(b);
        wall.shiftPlan({1000 - (b.minX + b.maxX) / 2, 1000 - (b.minY + b.maxY) / 2});
    }
    centreView();
}

bool TRoom_OBJ::scrollCheck(QPoint canvasPoint) {
    if (lockCanvas) {
        return false;
    }
    startScrollTimer();
    const int x = canvasPoint.x();
    const int y = canvasPoint.y();
    const int cx = canvasWidth() / 2;
    const int cy = canvasHeight() / 2;
    const bool middleColumn = cx - 10 < x && x < cx + 10;
    const bool middleRow = cy - 10 < y && y < cy + 10;
    const bool left = x <= 5;
    const bool right = x >= 2 * cx - 5;
    const bool top = y <= 5;
    const bool bottomEdge = y >= 2 * cy - 5;
    const bool bottomCorner = y > 2 * cy - 5;
    // Each region that holds scrolls; a point may lie in several.
    const struct {
        bool hit;
        int horizontal;
        int vertical;
    } regions[] = {
        {middleColumn && top, 0, -1}, {middleColumn && bottomEdge, 0, 1},
        {middleRow && left, -1, 0},   {middleRow && right, 1, 0},
        {left && top, -1, -1},        {left && bottomCorner, -1, 1},
        {right && top, 1, -1},        {right && bottomCorner, 1, 1},
    };
    bool scrolled = false;
    for (const auto& region : regions) {
        if (region.hit) {
            scrollStep(region.horizontal, region.vertical);
            scrolled = true;
        }
    }
    return scrolled;
}

// Scrolling the view up moves the plan down, and so on; each axis stops at its limit.
void TRoom_OBJ::scrollStep(int horizontal, int vertical) {
    const int scale = wall.paperWidth();
    QPoint o = wall.getOrigin();
    if (vertical < 0 && o.y() < EdgeMargin) {
        o.ry() += ScrollStep;
    }
    if (vertical > 0 && canvasHeight() - scale - EdgeMargin < o.y()) {
        o.ry() -= ScrollStep;
    }
    if (horizontal < 0 && o.x() < EdgeMargin) {
        o.rx() += ScrollStep;
    }
    if (horizontal > 0 && canvasWidth() - scale - EdgeMargin < o.x()) {
        o.rx() -= ScrollStep;
    }
    wall.setOrigin(o);
    startScrollTimer();
    paint();
}

void TRoom_OBJ::scrollTimerTick() {
    // A failing check must not escape into the event loop; the next tick tries again.
    try {
        scrollCheck(pointerPoint);
    } catch (const std::exception&) {
    }
}

void TRoom_OBJ::startScrollTimer() {
    if (!scrollTimer->isActive()) {
        scrollTimer->start();
    }
}

bool TRoom_OBJ::scrollTimerActive() const {
    return scrollTimer->isActive();
}

void TRoom_OBJ::stopScrollTimer() {
    scrollTimer->stop();
}
