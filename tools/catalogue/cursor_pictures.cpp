#include "catalogue/cursor_pictures.h"

#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>

#include <stdexcept>

namespace {

constexpr int CursorSize = 32;
const QColor Ink(20, 20, 20);

// Draws a path filled with `fill` and outlined in black over a white halo, so the
// shape shows on dark and light canvases alike.
void outlined(QPainter& p, const QPainterPath& path, const QColor& fill) {
    p.strokePath(path, QPen(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, fill);
    p.strokePath(path, QPen(Ink, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A line drawn with a white halo.
void haloLine(QPainter& p, QPointF a, QPointF b, double width, const QColor& colour) {
    p.setPen(QPen(Qt::white, width + 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
}

QPainterPath rectPath(const QRectF& rect) {
    QPainterPath path;
    path.addRect(rect);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

// The ordinary arrow with its tip at (1, 1).
void arrow(QPainter& p) {
    outlined(
        p,
        polygon({{1, 1}, {1, 19}, {5.5, 14.5}, {8.5, 21}, {11.5, 19.5}, {8.5, 13.5}, {14, 13.5}}),
        Qt::white);
}

// A pencil lying from the top right to its tip at (2, 29).
void pencil(QPainter& p, const QColor& body) {
    p.save();
    p.translate(2, 29);
    p.rotate(-45);
    outlined(p, polygon({{0, 0}, {7, -3.5}, {7, 3.5}}), QColor(235, 205, 160));
    outlined(p, rectPath(QRectF(7, -3.5, 18, 7)), body);
    outlined(p, rectPath(QRectF(25, -3.5, 5, 7)), QColor(230, 120, 140));
    p.fillPath(polygon({{0, 0}, {2.5, -1.2}, {2.5, 1.2}}), Ink);
    p.restore();
}

// An arrow head at `tip` pointing along `direction` (a unit step).
QPainterPath head(QPointF tip, QPointF direction, double length = 6, double halfWidth = 4.5) {
    const QPointF back = tip - direction * length;
    const QPointF side(-direction.y() * halfWidth, direction.x() * halfWidth);
    return polygon({tip, back + side, back - side});
}

// A double arrow through (16, 16), horizontal or vertical.
void doubleArrow(QPainter& p, bool horizontal, double reach = 13) {
    const QPointF c(16, 16);
    const QPointF d = horizontal ? QPointF(1, 0) : QPointF(0, 1);
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    const QPointF side(-d.y() * 1.5, d.x() * 1.5);
    shape.addPolygon(QPolygonF({c - d * (reach - 5) + side, c + d * (reach - 5) + side,
                                c + d * (reach - 5) - side, c - d * (reach - 5) - side}));
    shape.addPath(head(c + d * reach, d));
    shape.addPath(head(c - d * reach, -d));
    outlined(p, shape.simplified(), Qt::white);
}

// A thick stretch of wall through (16, 16).
void wall(QPainter& p, bool horizontal) {
    const QRectF bar = horizontal ? QRectF(2, 13, 28, 6) : QRectF(13, 2, 6, 28);
    outlined(p, rectPath(bar), QColor(110, 110, 110));
}

void crosshair(QPainter& p, QPointF at) {
    haloLine(p, at - QPointF(6, 0), at + QPointF(6, 0), 1.2, Ink);
    haloLine(p, at - QPointF(0, 6), at + QPointF(0, 6), 1.2, Ink);
}

// A crosshair at (7, 7) with a picture of the fill below and to its right.
void fillCursor(QPainter& p, const QList<QRectF>& cells, bool solid) {
    crosshair(p, QPointF(7, 7));
    for (const QRectF& cell : cells) {
        QPainterPath path;
        path.addRect(cell);
        p.strokePath(path, QPen(Qt::white, 3.0));
        if (solid) {
            p.fillPath(path, QColor(70, 130, 200));
        }
        p.strokePath(path, QPen(Ink, 1.2));
    }
}

// The ordinary arrow with a small picture of the tool in the lower right.
void arrowWithBadge(QPainter& p, void (*badge)(QPainter&)) {
    arrow(p);
    p.save();
    p.translate(17, 17);
    badge(p);
    p.restore();
}

void drawNormal(QPainter& p) {
    arrow(p);
}
void drawWallPen(QPainter& p) {
    pencil(p, QColor(70, 110, 200));
}
void drawOnWall(QPainter& p) {
    wall(p, true);
    doubleArrow(p, false);
}
void drawOnPoint(QPainter& p) {
    outlined(p, rectPath(QRectF(13, 13, 17, 6)).united(rectPath(QRectF(13, 13, 6, 17))),
             QColor(110, 110, 110));
    outlined(p, rectPath(QRectF(11.5, 11.5, 9, 9)), QColor(230, 60, 60));
}
void drawSplit(QPainter& p) {
    outlined(p, rectPath(QRectF(1, 14, 10, 4)).united(rectPath(QRectF(21, 14, 10, 4))),
             QColor(110, 110, 110));
    outlined(p, polygon({{16, 9}, {23, 16}, {16, 23}, {9, 16}}), QColor(230, 60, 60));
    haloLine(p, QPointF(16, 2), QPointF(16, 7), 1.2, Ink);
    haloLine(p, QPointF(16, 25), QPointF(16, 30), 1.2, Ink);
}
void drawMoveRoom(QPainter& p) {
    doubleArrow(p, true, 14);
    doubleArrow(p, false, 14);
    outlined(p, rectPath(QRectF(13, 13, 6, 6)), Qt::white);
}
void drawMoveX(QPainter& p) {
    doubleArrow(p, true);
}
void drawMoveY(QPainter& p) {
    doubleArrow(p, false);
}
void drawFillHollow(QPainter& p) {
    fillCursor(p, {QRectF(14, 15, 15, 14)}, false);
}
void drawFillRect(QPainter& p) {
    fillCursor(p, {QRectF(14, 15, 15, 14)}, true);
}
void drawFillRow(QPainter& p) {
    fillCursor(p, {QRectF(9, 19, 7, 7), QRectF(16, 19, 7, 7), QRectF(23, 19, 7, 7)}, true);
}
void drawFillColumn(QPainter& p) {
    fillCursor(p, {QRectF(19, 9, 7, 7), QRectF(19, 16, 7, 7), QRectF(19, 23, 7, 7)}, true);
}
void drawDesignPen(QPainter& p) {
    pencil(p, QColor(240, 200, 40));
}
void drawReplace(QPainter& p) {
    arrowWithBadge(p, [](QPainter& b) {
        b.setBrush(Qt::NoBrush);
        for (const int start : {20, 200}) {
            b.setPen(QPen(Qt::white, 4));
            b.drawArc(QRectF(2, 2, 11, 11), start * 16, 140 * 16);
            b.setPen(QPen(QColor(40, 140, 60), 2));
            b.drawArc(QRectF(2, 2, 11, 11), start * 16, 140 * 16);
        }
        outlined(b, head(QPointF(3, 5), QPointF(0.3, 0.95)), QColor(40, 140, 60));
        outlined(b, head(QPointF(12, 10), QPointF(-0.3, -0.95)), QColor(40, 140, 60));
    });
}
// A brush lying from the top right, its bristles ending at (3, 28).
void drawBrush(QPainter& p) {
    p.save();
    p.translate(3, 28);
    p.rotate(-45);
    outlined(p, polygon({{0, 0}, {3, -4}, {9, -4}, {9, 4}, {3, 4}}), QColor(200, 60, 60));
    outlined(p, rectPath(QRectF(9, -3, 4, 6)), QColor(190, 190, 190));
    outlined(p, rectPath(QRectF(13, -2, 17, 4)), QColor(150, 95, 50));
    p.restore();
}
// Two cells side by side with arrows running each way between them.
void swapBadge(QPainter& b, bool secondEmpty) {
    outlined(b, rectPath(QRectF(0, 4.5, 6, 6)), QColor(70, 130, 200));
    const QPainterPath second = rectPath(QRectF(9, 4.5, 6, 6));
    if (secondEmpty) {
        b.strokePath(second, QPen(Qt::white, 3));
        b.strokePath(second, QPen(Ink, 1, Qt::DotLine));
    } else {
        outlined(b, second, QColor(220, 150, 50));
    }
    haloLine(b, QPointF(2, 1.5), QPointF(11, 1.5), 1.2, Ink);
    outlined(b, head(QPointF(14, 1.5), QPointF(1, 0), 3.5, 2), Ink);
    haloLine(b, QPointF(4, 13.5), QPointF(13, 13.5), 1.2, Ink);
    outlined(b, head(QPointF(1, 13.5), QPointF(-1, 0), 3.5, 2), Ink);
}
void drawSwapEmpty(QPainter& p) {
    arrowWithBadge(p, [](QPainter& b) { swapBadge(b, true); });
}
void drawSwap(QPainter& p) {
    arrowWithBadge(p, [](QPainter& b) { swapBadge(b, false); });
}
// An open hand around (16, 16).
void drawMovePaper(QPainter& p) {
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    hand.addRoundedRect(QRectF(9, 13, 15, 14), 4, 4);
    for (const double x : {9.0, 13.0, 17.0, 21.0}) {
        hand.addRoundedRect(QRectF(x, x == 9.0 || x == 21.0 ? 7 : 4, 3.5, 12), 1.7, 1.7);
    }
    hand.addRoundedRect(QRectF(3, 15, 9, 4), 2, 2);
    outlined(p, hand.simplified(), Qt::white);
}
void drawMoveWall(QPainter& p) {
    wall(p, false);
    doubleArrow(p, true);
}
void drawDelete(QPainter& p) {
    arrowWithBadge(p, [](QPainter& b) {
        haloLine(b, QPointF(2, 2), QPointF(12, 12), 3, QColor(220, 30, 30));
        haloLine(b, QPointF(12, 2), QPointF(2, 12), 3, QColor(220, 30, 30));
    });
}
// An hourglass with sand running through its neck at (16, 16).
void drawBusy(QPainter& p) {
    outlined(p,
             polygon({{8, 3},
                      {24, 3},
                      {24, 6},
                      {17.5, 16},
                      {24, 26},
                      {24, 29},
                      {8, 29},
                      {8, 26},
                      {14.5, 16},
                      {8, 6}}),
             QColor(235, 240, 250));
    const QColor sand(220, 170, 60);
    p.fillPath(polygon({{11, 8}, {21, 8}, {16, 15}}), sand);
    p.fillPath(polygon({{16, 20}, {22, 27}, {10, 27}}), sand);
    p.setPen(QPen(sand, 1.2));
    p.drawLine(QPointF(16, 15), QPointF(16, 20));
    p.fillRect(QRectF(6, 1.5, 20, 2.5), Ink);
    p.fillRect(QRectF(6, 28, 20, 2.5), Ink);
}

} // namespace

const std::vector<CursorShape>& cursorShapes() {
    static const std::vector<CursorShape> shapes = {
        {"CUR_DrawRoom_Normal.ani", {1, 1}, drawNormal},
        {"CUR_DrawRoom_Pen.ani", {2, 29}, drawWallPen},
        {"CUR_DrawRoom_OnWall.ani", {16, 16}, drawOnWall},
        {"CUR_DrawRoom_OnPoint.ani", {16, 16}, drawOnPoint},
        {"CUR_DrawRoom_caifen.ani", {16, 16}, drawSplit},
        {"CUR_DrawRoom_MoveRoom.ani", {16, 16}, drawMoveRoom},
        {"CUR_DrawRoom_MoveX.ani", {16, 16}, drawMoveX},
        {"CUR_DrawRoom_MoveY.ani", {16, 16}, drawMoveY},
        {"CUR_design_Fillkong.cur", {7, 7}, drawFillHollow},
        {"CUR_design_Fillrect.cur", {7, 7}, drawFillRect},
        {"CUR_design_Fillx.cur", {7, 7}, drawFillRow},
        {"CUR_design_Filly.cur", {7, 7}, drawFillColumn},
        {"CUR_design_pen.cur", {2, 29}, drawDesignPen},
        {"CUR_DrawRoom_replace.cur", {1, 1}, drawReplace},
        {"CUR_design_brush.cur", {3, 28}, drawBrush},
        {"CUR_design_Swapnull.ani", {1, 1}, drawSwapEmpty},
        {"CUR_design_Swap.cur", {1, 1}, drawSwap},
        {"CUR_design_movepaper.ani", {16, 16}, drawMovePaper},
        {"CUR_design_movewall.cur", {16, 16}, drawMoveWall},
        {"CUR_design_del.cur", {1, 1}, drawDelete},
        {"CUR_busy.ani", {16, 16}, drawBusy},
    };
    return shapes;
}

QImage drawCursor(const CursorShape& shape) {
    QImage image(CursorSize, CursorSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        shape.paint(p);
    }
    image.setText(QStringLiteral("hotspot"),
                  QStringLiteral("%1,%2").arg(shape.hotspot.x()).arg(shape.hotspot.y()));
    return image;
}

void writeCursorFiles(const QString& folder) {
    if (!QDir().mkpath(folder)) {
        throw std::runtime_error("cannot create " + folder.toStdString());
    }
    for (const CursorShape& shape : cursorShapes()) {
        QSaveFile file(folder + u'/' + QString::fromLatin1(shape.fileName));
        QImageWriter writer(&file, "png");
        if (!file.open(QIODevice::WriteOnly) || !writer.write(drawCursor(shape)) ||
            !file.commit()) {
            throw std::runtime_error(std::string("cannot write the cursor ") + shape.fileName);
        }
    }
}
