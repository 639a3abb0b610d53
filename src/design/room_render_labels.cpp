#include "design/room_render.h"

#include "core/rounding.h"

#include <QFontMetrics>
#include <QPainter>

namespace room_render {

namespace {

// The label's top-left corner: beside the wall's midpoint on the side away from the
// centre, then a small gap.
QPoint labelPosition(QPoint middle, QPoint centre, QSize text, int gap) {
    QPoint at = middle;
    if (middle.x() < centre.x()) {
        at.rx() -= text.width() + 4 + 3;
    }
    if (middle.y() < centre.y()) {
        at.ry() -= text.height() + 4 + 3;
    }
    return at + QPoint(gap, gap);
}

} // namespace

LengthLabels lengthLabelsFor(TRoom_OBJ& room, QSize size, TRoom_OBJ::RenderTarget kind) {
    const bool canvas = kind == TRoom_OBJ::RenderTarget::Canvas;
    LengthLabels result;
    result.font = canvas ? QFont() : songTiFont();
    const troom_Wall& wall = room.wall;
    const int n = wall.pointCount();
    if (n < 2) {
        return result;
    }
    QPoint centre(size.width() / 2, size.height() / 2);
    if (canvas) {
        Bounds box;
        wall.planBounds(box);
        centre = wall.planToCanvas({(box.minX + box.maxX) / 2, (box.minY + box.maxY) / 2});
    }
    const QFontMetrics metrics(result.font);
    const QString unit = canvas ? QStringLiteral("CM") : QStringLiteral("Cm");
    // The walls from corner 1 on, then the closing wall; arcs get no label.
    for (int i = 1; i <= n; ++i) {
        const int from = i - 1;
        const int to = i % n;
        if (isArcApex(wall.kind(from)) || isArcApex(wall.kind(to))) {
            continue;
        }
        const double cm = troom_Wall::wallLengthMm(wall.corner(from), wall.corner(to)) / 10;
        const QString text = QString::number(rounding::halfEven(cm)) + unit;
        const QPoint a = wall.canvasPoint(from);
        const QPoint b = wall.canvasPoint(to);
        const QPoint middle((a.x() + b.x()) / 2, (a.y() + b.y()) / 2);
        const QSize textSize(metrics.horizontalAdvance(text), metrics.height());
        const QPoint at = labelPosition(middle, centre, textSize, canvas ? 3 : 2);
        // Glyphs may reach a little past their advance and height.
        result.labels.push_back({at, text, QRect(at, textSize).adjusted(-3, -3, 3, 3)});
    }
    return result;
}

void drawLengthLabels(QPainter& p, const LengthLabels& labels, const QRect& area) {
    p.setFont(labels.font);
    p.setPen(toQColor(colors::Black));
    const int ascent = QFontMetrics(labels.font).ascent();
    for (const LengthLabel& label : labels.labels) {
        if (label.box.intersects(area)) {
            p.drawText(label.at + QPoint(0, ascent), label.text);
        }
    }
}

} // namespace room_render

void TRoom_OBJ::lengthLabels(QImage& target, RenderTarget kind) {
    QPainter p(&target);
    room_render::preparePainter(p);
    room_render::drawLengthLabels(
        p, room_render::lengthLabelsFor(*this, target.deviceIndependentSize().toSize(), kind),
        target.rect());
}
