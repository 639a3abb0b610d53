#include "design/room_render.h"

#include "core/rounding.h"
#include "core/tpic_rec.h"
#include "library/product_library.h"

#include <QPainter>

#include <algorithm>

namespace room_render {

namespace {

// Strips are carried the way they lie in the room: along the columns (turned) or the rows.
int ghostOrientation(const TRoom_OBJ& room) {
    if (room.currentProduct.kind == KindStrip) {
        if (room.roomstyle == StripsAlongColumns) {
            return 1;
        }
        if (room.roomstyle == StripsAlongRows) {
            return 0;
        }
    }
    return room.currentProduct.orientation;
}

// Half the product's size in pixels at the room's scale.
int halfExtent(const TRoom_OBJ& room, int mm) {
    return rounding::halfEven(room.wall.paperWidth() * (mm / 10.0) / 2000 / 2);
}

} // namespace

std::vector<QRect> CanvasMarks::areas() const {
    std::vector<QRect> result;
    for (const QRect& selection : selections) {
        result.push_back(selection);
    }
    if (drag) {
        // Only the four sides of a dragged rectangle are drawn.
        const QRect& d = *drag;
        result.push_back(QRect(d.left(), d.top(), d.width(), 1));
        result.push_back(QRect(d.left(), d.bottom(), d.width(), 1));
        result.push_back(QRect(d.left(), d.top(), 1, d.height()));
        result.push_back(QRect(d.right(), d.top(), 1, d.height()));
    }
    if (ghost) {
        result.push_back(ghostRect);
    }
    return result;
}

CanvasMarks collectCanvasMarks(TRoom_OBJ& room) {
    CanvasMarks marks;
    bool anySelected = false;
    for (const std::unique_ptr<tdianqi_rec>& object : room.objects) {
        if (!object->selected) {
            continue;
        }
        anySelected = true;
        const ObjectBox& box = object->canvasRect;
        const QRect inner(QPoint(box.left + 1, box.top + 1), QPoint(box.right - 2, box.bottom - 2));
        if (inner.isValid()) {
            marks.selections.push_back(inner);
        }
    }
    if (room.tool == DesignRectangleDrag) {
        const QPoint a = room.dragRectangleStart;
        const QPoint b = room.dragRectangleEnd;
        marks.drag = QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                           QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
    }
    room.productGhost = room.showSelectedProduct && room.currentProduct.id != -1;
    if (room.productGhost && !anySelected) {
        if (const tpic_rec* product =
                room.productLookup(room.currentProduct.id, ghostOrientation(room))) {
            const int halfWidth = halfExtent(room, product->width);
            const int halfHeight = halfExtent(room, product->height);
            if (halfWidth > 0 && halfHeight > 0) {
                marks.ghost = product;
                marks.ghostRect = QRect(room.pointerPoint - QPoint(halfWidth, halfHeight),
                                        QSize(2 * halfWidth, 2 * halfHeight));
            }
        }
    }
    return marks;
}

void drawCanvasMarks(QPainter& p, const CanvasMarks& marks, ScaledPictures& pictures) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(toQColor(colors::Red), 0));
    for (const QRect& selection : marks.selections) {
        p.drawRect(selection.adjusted(0, 0, -1, -1));
    }
    if (marks.drag) {
        p.setPen(QPen(toQColor(Lines), 0, Qt::DotLine));
        p.drawRect(marks.drag->adjusted(0, 0, -1, -1));
    }
    if (marks.ghost) {
        drawProduct(p, marks.ghostRect, *marks.ghost, pictures);
        p.setPen(QPen(toQColor(colors::Black), 0));
        p.drawRect(marks.ghostRect.adjusted(0, 0, -1, -1));
    }
}

} // namespace room_render
