#include "core/troom_obj.h"

#include "core/arc_geometry.h"
#include "core/rounding.h"
#include "platform/surface.h"

#include <QFont>

#include <cmath>
#include <cstdlib>

// What the canvas shows while walls are edited (tools 0, 4..7) or drawn (tool 1).

namespace {

constexpr TColor HotColor = colors::Yellow;

int lengthCm(QPoint a, QPoint b) {
    return rounding::halfEven(troom_Wall::wallLengthMm(a, b) / 10);
}

QPoint midpoint(QPoint a, QPoint b) {
    return {(a.x() + b.x()) / 2, (a.y() + b.y()) / 2};
}

void circle(Surface& surface, QPoint c, int radius, TColor color) {
    surface.setPen(color);
    surface.setBrush(color);
    surface.ellipse(c.x() - radius, c.y() - radius, c.x() + radius + 1, c.y() + radius + 1);
}

// "<cm>CM" in black on white beside `at`, on the side away from `centre`.
void lengthLabel(Surface& surface, QPoint at, QPoint centre, int cm) {
    const QString text = QString::number(cm) + QStringLiteral("CM");
    surface.setFont(QFont(), colors::Black);
    surface.setBrush(colors::White);
    const int w = surface.textWidth(text);
    const int h = surface.textHeight(text);
    const int x = at.x() < centre.x() ? at.x() - w - 4 : at.x() + 4;
    const int y = at.y() < centre.y() ? at.y() - h - 4 : at.y() + 4;
    surface.textOut(x, y, text);
}

void angleText(Surface& surface, QPoint corner, int degrees, const QString& unit) {
    surface.setFont(QFont(), colors::Black);
    surface.setBrushClear();
    surface.textOut(corner.x() - 20, corner.y() - 20, QString::number(degrees) + unit);
}

// A wall of width `outer` in `color` with a white line `inner` wide inside it.
void doubleLine(Surface& surface, QPoint a, QPoint b, TColor color, int outer, int inner) {
    surface.setPen(color, outer);
    surface.line(a.x(), a.y(), b.x(), b.y());
    surface.setPen(colors::White, inner);
    surface.line(a.x(), a.y(), b.x(), b.y());
}

void window(Surface& surface, QPoint a, QPoint b) {
    doubleLine(surface, a, b, colors::Blue, 5, 3);
    surface.setPen(colors::Blue, 1);
    surface.line(a.x(), a.y(), b.x(), b.y());
}

// The door from a to b and its leaf, hinged at b and opened to the wall's right.
void door(Surface& surface, QPoint a, QPoint b) {
    doubleLine(surface, a, b, colors::Green, 5, 3);
    const QPoint d = b - a;
    const QPoint leafEnd = b + QPoint(-d.y(), d.x());
    const int r = rounding::halfEven(troom_Wall::distance(a, b));
    surface.setPen(colors::Green, 1);
    surface.setBrushClear();
    surface.line(b.x(), b.y(), leafEnd.x(), leafEnd.y());
    surface.arc(b.x() - r, b.y() - r, b.x() + r, b.y() + r, a.x(), a.y(), leafEnd.x(), leafEnd.y());
}

// The arc from `from` through `apex` to `to` in the current pen.
void arcWall(Surface& surface, QPoint from, QPoint apex, QPoint to) {
    const std::optional<CircleArc> arc = arcThrough(from, apex, to);
    if (!arc) {
        return;
    }
    const QPointF c = arc->circle.centre;
    const double r = arc->circle.radius;
    const int x1 = rounding::halfEven(c.x() - r);
    const int y1 = rounding::halfEven(c.y() - r);
    const int x2 = rounding::halfEven(c.x() + r);
    const int y2 = rounding::halfEven(c.y() + r);
    surface.setBrushClear();
    if (arc->sweepDegrees > 0) {
        surface.arc(x1, y1, x2, y2, from.x(), from.y(), to.x(), to.y());
    } else {
        surface.arc(x1, y1, x2, y2, to.x(), to.y(), from.x(), from.y());
    }
}

} // namespace

void TRoom_OBJ::paintPlanBackground(Surface& surface) {
    limitOrigin();
    wall.refreshCanvasPoints();
    rulerStep = rulerStepForZoom(zoom);
    const QPoint o = wall.getOrigin();
    const int paper = wall.paperWidth();
    surface.setPen(colors::Grey, 4);
    surface.setBrush(colors::White);
    surface.rectangle(o.x(), o.y(), o.x() + paper, o.y() + paper);
    QFont small;
    small.setPixelSize(10);
    for (int cm = rulerStep; cm < 2000; cm += rulerStep) {
        if (cm == 1000) {
            surface.setPen(colors::Black, 2);
        } else {
            surface.setPen(colors::Grey, 1,
                           (cm / rulerStep) % 5 == 0 ? PenStyle::Solid : PenStyle::Dot);
        }
        const QPoint at = wall.planToCanvas({cm, cm});
        surface.line(at.x(), o.y(), at.x(), o.y() + paper);
        surface.line(o.x(), at.y(), o.x() + paper, at.y());
        // The distance from the middle of the plan in decimetres.
        const QString label = QString::number(std::abs(100 - cm / 10));
        surface.setFont(small, colors::Black);
        surface.setBrushClear();
        surface.textOut(at.x() + 2, 3, label);
        surface.textOut(3, at.y() + 2, label);
    }
}

void TRoom_OBJ::wallPainter(Surface& surface) {
    paintPlanBackground(surface);
    const int n = wall.pointCount();
    if (n <= 2) {
        return;
    }
    refreshArcKinds();
    const QList<QPoint>& points = wall.canvasPoints();
    surface.setPen(colors::Red, 3);
    surface.setBrush(colors::White);
    surface.polygon(QVector<QPoint>(points.begin(), points.end()));
    for (int i = 0; i < n; ++i) {
        if (isArcApex(wall.kind(i))) {
            arcWall(surface, points[wall.prevIndex(i)], points[i], points[wall.nextIndex(i)]);
        }
    }
    surface.setPen(colors::White, 1);
    surface.setBrushClear();
    surface.polygon(QVector<QPoint>(points.begin(), points.end()));

    // Openings: corners i and i + 1 of one kind; the closing wall is never one.
    for (int i = 0; i + 1 < n; ++i) {
        const quint8 k = wall.kind(i);
        if ((k != WindowEnd && k != DoorEnd) || wall.kind(i + 1) != k) {
            continue;
        }
        if (k == WindowEnd) {
            window(surface, points[i], points[i + 1]);
        } else {
            door(surface, points[i], points[i + 1]);
        }
        ++i;
    }

    Bounds box;
    wall.canvasBounds(box);
    const QPoint centre((box.minX + box.maxX) / 2, (box.minY + box.maxY) / 2);
    for (int i = 0; i < n; ++i) {
        circle(surface, points[i], 3, colors::Red);
    }
    for (int i = 0; i < n; ++i) {
        const int j = wall.nextIndex(i);
        lengthLabel(surface, midpoint(points[i], points[j]), centre,
                    lengthCm(wall.corner(i), wall.corner(j)));
    }

    if (hotCorner >= 0 && hotCorner < n) {
        circle(surface, points[hotCorner], 5, HotColor);
        angleText(surface, points[hotCorner],
                  troom_Wall::cornerAngle(wall.corner(wall.prevIndex(hotCorner)),
                                          wall.corner(hotCorner),
                                          wall.corner(wall.nextIndex(hotCorner))),
                  QString());
    }
    if (hotWall.found() && hotWall.start < n && hotWall.end < n) {
        const QPoint a = points[hotWall.start];
        const QPoint b = points[hotWall.end];
        if (tool == ToolMoveRoomArmed || tool == ToolMoveRoom) {
            for (const QPoint p : points) {
                circle(surface, p, 5, HotColor);
            }
        } else {
            circle(surface, a, 5, HotColor);
            circle(surface, b, 5, HotColor);
        }
        const QPoint foot = troom_Wall::footOnLine(a, b, pointerPoint);
        circle(surface, foot, 2, HotColor);
        const QPoint planFoot = wall.canvasToPlan(foot);
        lengthLabel(surface, midpoint(a, foot), centre,
                    lengthCm(wall.corner(hotWall.start), planFoot));
        lengthLabel(surface, midpoint(foot, b), centre,
                    lengthCm(planFoot, wall.corner(hotWall.end)));
    }
}

void TRoom_OBJ::drawingPainter(Surface& surface) {
    paintPlanBackground(surface);
    const int n = wall.pointCount();
    if (n == 0) {
        return;
    }
    QVector<QPoint> line(wall.canvasPoints().begin(), wall.canvasPoints().end());
    line.append(pointerPoint);
    surface.setPen(colors::Blue, 3);
    surface.polyline(line);
    surface.setPen(colors::White, 1);
    surface.polyline(line);

    QList<QPoint> plan = wall.corners();
    plan.append(wall.canvasToPlan(pointerPoint));
    Bounds box;
    box.minX = box.maxX = line[0].x();
    box.minY = box.maxY = line[0].y();
    for (const QPoint p : line) {
        box.minX = std::min(box.minX, p.x());
        box.maxX = std::max(box.maxX, p.x());
        box.minY = std::min(box.minY, p.y());
        box.maxY = std::max(box.maxY, p.y());
    }
    const QPoint centre((box.minX + box.maxX) / 2, (box.minY + box.maxY) / 2);
    for (int i = 0; i + 1 < line.size(); ++i) {
        lengthLabel(surface, midpoint(line[i], line[i + 1]), centre,
                    lengthCm(plan[i], plan[i + 1]));
    }
    if (n >= 2) {
        angleText(surface, line[n - 1], troom_Wall::cornerAngle(plan[n - 2], plan[n - 1], plan[n]),
                  QStringLiteral("°"));
    }
}
