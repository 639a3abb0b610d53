#include "core/troom_obj.h"

#include "core/arc_geometry.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QRegion>

#include <algorithm>

namespace {

constexpr int MaxSweptAreas = 32;

} // namespace

// The mask is drawn one pixel per plan centimetre: the outline in red over a black
// inside. An outline with arcs is traced line by line and arc by arc and filled as one
// path, so the inside is exact whatever the arcs' directions, without depending on
// seed points that might fall outside the walls.
void TRoom_OBJ::rebuildMask() {
    drawMask({});
}

namespace {

// The part of the plan a mask for `outline` must cover: its bounds with two pixels of
// margin for the outline's own pixels, within the plan.
QRect maskWindow(const QPainterPath& outline) {
    const QRect plan(0, 0, TRoom_OBJ::MaskSide, TRoom_OBJ::MaskSide);
    return outline.boundingRect().toAlignedRect().adjusted(-2, -2, 2, 2) & plan;
}

} // namespace

void TRoom_OBJ::drawMask(const QList<QRect>& areas) {
    QPainterPath outline;
    if (wall.hasArcApex()) {
        refreshArcKinds();
        outline = tracedOutline();
    } else {
        outline.addPolygon(QPolygonF(QPolygon(wall.corners())));
        outline.closeSubpath();
    }
    if (areas.isEmpty()) {
        // A whole drawing sizes the bitmap to the outline: a room of a few metres keeps a
        // few megabytes instead of the whole plan. A bitmap of the right size is drawn
        // again in place: a new one of up to 16 MB on every edit would go to and come back
        // from the system each time, which costs more than the drawing.
        const QRect window = wall.pointCount() > 0 ? maskWindow(outline) : QRect();
        maskOrigin = window.topLeft();
        if (window.isEmpty()) {
            mask = QImage();
        } else if (mask.size() != window.size()) {
            mask = QImage(window.size(), QImage::Format_RGB32);
        }
    }
    maskRevision = wall.revision();
    if (mask.isNull()) {
        return;
    }
    const QRect window(maskOrigin, mask.size());
    // The plan less the outline, so that every pixel is filled once, white or black.
    QPainterPath outside;
    outside.addRect(window);
    outside.addPath(outline);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(-maskOrigin);
    // Each area is drawn exactly as the whole mask would be there.
    for (const QRect& area : areas.isEmpty() ? QList<QRect>{window} : areas) {
        painter.setClipRect(area);
        painter.fillPath(outside, toQColor(colors::White));
        painter.fillPath(outline, toQColor(colors::Black));
        painter.strokePath(outline, QPen(toQColor(colors::Red), 0));
    }
}

void TRoom_OBJ::followOutline(const QList<QPoint>& drawnCorners, const QList<quint8>& drawnKinds) {
    const QList<QPoint>& corners = wall.corners();
    // Arcs reach beyond their corners: a changed arc room is drawn whole, and so is an
    // outline that leaves the part of the plan the bitmap covers.
    const bool arcs =
        wall.hasArcApex() || std::any_of(drawnKinds.cbegin(), drawnKinds.cend(), isArcApex);
    const QRect window(maskOrigin, mask.size());
    const QRect needed =
        QPolygon(corners).boundingRect().adjusted(-2, -2, 2, 2) & QRect(0, 0, MaskSide, MaskSide);
    if (drawnCorners.size() != corners.size() ||
        (arcs && (drawnCorners != corners || drawnKinds != wall.kinds())) ||
        !window.contains(needed)) {
        rebuildMask();
        return;
    }
    // A wall that moves sweeps the box of its old and new ends: only there can a pixel's
    // side of the outline or its place on the outline change. Two pixels of margin hold
    // the outline's own pixels.
    QRegion swept;
    const int n = int(corners.size());
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1) % n;
        if (drawnCorners[i] == corners[i] && drawnCorners[j] == corners[j]) {
            continue;
        }
        const QPolygon ends({drawnCorners[i], drawnCorners[j], corners[i], corners[j]});
        swept += ends.boundingRect().adjusted(-2, -2, 2, 2) & window;
    }
    if (swept.isEmpty()) {
        maskRevision = wall.revision();
    } else if (swept.rectCount() > MaxSweptAreas) {
        rebuildMask(); // one pass over the whole mask costs less than many small ones
    } else {
        drawMask(QList<QRect>(swept.begin(), swept.end()));
    }
}

// From corner 0 (or the corner before it when corner 0 is an apex), a line to each
// plain corner and, for each apex, the arc from its previous to its next corner, which
// then continues the trace; a collinear apex stays a straight wall.
QPainterPath TRoom_OBJ::tracedOutline() const {
    const int n = wall.pointCount();
    QPainterPath path;
    path.moveTo(wall.corner(isArcApex(wall.kind(0)) ? n - 1 : 0));
    for (int i = 0; i < n; ++i) {
        if (!isArcApex(wall.kind(i))) {
            path.lineTo(wall.corner(i));
            continue;
        }
        const QPoint from = wall.corner(wall.prevIndex(i));
        const QPoint to = wall.corner(wall.nextIndex(i));
        if (const std::optional<CircleArc> arc = arcThrough(from, wall.corner(i), to)) {
            const Circle& c = arc->circle;
            path.lineTo(from);
            path.arcTo(QRectF(c.centre.x() - c.radius, c.centre.y() - c.radius, 2 * c.radius,
                              2 * c.radius),
                       arc->startDegrees, arc->sweepDegrees);
        } else {
            path.lineTo(wall.corner(i));
        }
        path.lineTo(to);
        ++i;
    }
    path.closeSubpath();
    return path;
}

TColor TRoom_OBJ::maskPixel(int x, int y) const {
    const QPoint at = QPoint(x, y) - maskOrigin;
    if (!mask.valid(at)) {
        return colors::White;
    }
    return fromQRgb(mask.pixel(at));
}
