#include "design/room_render.h"

#include "core/tpic_rec.h"
#include "design/product_under_point.h"
#include "library/product_library.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

QString kindLabel(int kind) {
    switch (kind) {
    case KindSquarePanel:
        return QStringLiteral("方扣板：");
    case KindStrip:
        return QStringLiteral("条扣板：");
    case KindAppliance:
        return QStringLiteral("电器：");
    case KindFloating:
        return QStringLiteral("悬浮：");
    case KindOther:
        return QStringLiteral("其他：");
    case KindMark:
        return QStringLiteral("标记：");
    default:
        return {};
    }
}

QString number(qint64 value) {
    return QString::number(value);
}

} // namespace

std::optional<QStringList> TRoom_OBJ::informationLines(QPoint p) {
    const QPoint plan = wall.canvasToPlan(p);
    if (!insideMask(plan.x(), plan.y())) {
        return std::nullopt;
    }
    const ProductUnderPoint found = productUnderPoint(*this, p);
    if (!found.object && !found.cell) {
        return std::nullopt;
    }
    const tpic_rec* product = found.id >= 0 ? productLookup(found.id, found.orientation) : nullptr;
    QStringList lines;
    if (product) {
        lines << kindLabel(product->kind) + product->title;
        if ((found.object || roomstyle == SquarePanelRoom) && product->kind >= KindSquarePanel &&
            product->kind <= KindFloating) {
            lines << QStringLiteral("宽：") + number(product->width) +
                         QStringLiteral("毫米   高：") + number(product->height) +
                         QStringLiteral("毫米");
        } else if (!found.object && roomstyle == StripsAlongColumns) {
            lines << QStringLiteral("宽：") + number(product->width) +
                         QStringLiteral("毫米    长:") + number(cell(found.cell->column, 2)) +
                         QStringLiteral("厘米");
        } else if (!found.object && roomstyle == StripsAlongRows) {
            lines << QStringLiteral("高：") + number(product->height) +
                         QStringLiteral("毫米     长:") + number(cell(2, found.cell->row)) +
                         QStringLiteral("厘米");
        }
        return lines;
    }
    if (!found.cell) {
        return std::nullopt;
    }
    const GridCell c = *found.cell;
    const QString width =
        QStringLiteral("格子宽：") + number(columnWidth(c.column)) + QStringLiteral("毫米");
    const QString height =
        QStringLiteral("格子高：") + number(rowHeight(c.row)) + QStringLiteral("毫米");
    switch (roomstyle) {
    case SquarePanelRoom:
        lines << QStringLiteral("普通模式，无产品") << width + number(c.column)
              << height + number(c.row);
        break;
    case StripsAlongColumns:
        lines << QStringLiteral("垂直条扣模式,无产品") << width;
        break;
    case StripsAlongRows:
        lines << QStringLiteral("水平条扣模式,无产品") << height;
        break;
    default:
        return std::nullopt;
    }
    return lines;
}

QRect TRoom_OBJ::informationBox(QImage& target, QPoint p) {
    const std::optional<QStringList> lines = informationLines(p);
    if (!lines) {
        return {};
    }
    const QFont font = room_render::songTiFont();
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& line : *lines) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const int lineHeight = metrics.height() + 4;
    const QRect box(QPoint(p.x(), p.y() + 17),
                    QPoint(p.x() + widest + 10, p.y() + 23 + int(lines->size()) * lineHeight) -
                        QPoint(1, 1));
    QPainter painter(&target);
    room_render::preparePainter(painter);
    // As much room right of the text as left of it: fonts that stand in for 宋体 run wider.
    room_render::canvasRectangle(painter, box.left(), box.top(), box.right() + 1, box.bottom() + 1,
                                 toQColor(colors::Black), toQColor(room_render::InfoBox));
    painter.setPen(toQColor(colors::Black));
    painter.setFont(font);
    for (int i = 0; i < lines->size(); ++i) {
        painter.drawText(QPoint(p.x() + 5, p.y() + 22 + i * lineHeight + metrics.ascent()),
                         lines->at(i));
    }
    return box;
}
