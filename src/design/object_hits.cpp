#include "core/troom_obj.h"

#include "core/rounding.h"
#include "core/tpic_rec.h"

namespace {

bool contains(const ObjectBox& box, QPoint p) {
    return p.x() >= box.left && p.x() <= box.right && p.y() >= box.top && p.y() <= box.bottom;
}

} // namespace

const tpic_rec* TRoom_OBJ::refreshObjectRectangles(tdianqi_rec& object) {
    const tpic_rec* product = productLookup(object.id, object.orientation & 0xFF);
    if (!product) {
        return nullptr;
    }
    // Product sizes are mm; the plan is cm and the canvas shows the whole plan across
    // PaperWidth pixels.
    const double widthCm = product->width / 10.0;
    const double heightCm = product->height / 10.0;
    object.planRect = {object.x, object.y, object.x + rounding::halfEven(widthCm),
                       object.y + rounding::halfEven(heightCm)};
    const QPoint topLeft = wall.planToCanvas({object.x, object.y});
    const double scale = wall.paperWidth() / 2000.0;
    object.canvasRect = {topLeft.x(), topLeft.y(),
                         topLeft.x() + rounding::halfEven(scale * widthCm),
                         topLeft.y() + rounding::halfEven(scale * heightCm)};
    return product;
}

int TRoom_OBJ::hitTest(QPoint canvasPoint) const {
    for (int i = int(objects.size()) - 1; i >= 0; --i) {
        if (contains(objects[std::size_t(i)]->canvasRect, canvasPoint)) {
            return i;
        }
    }
    return -1;
}

bool TRoom_OBJ::selectionClick(Qt::MouseButton button, bool ctrl, QPoint canvasPoint) {
    if (button == Qt::RightButton) {
        return false;
    }
    const int hit = hitTest(canvasPoint);
    if (hit < 0) {
        clearSelection();
        return false;
    }
    tdianqi_rec& object = *objects[std::size_t(hit)];
    if (ctrl) {
        object.selected = !object.selected;
    } else if (!object.selected) {
        clearSelection();
        object.selected = true;
    }
    return true;
}

void TRoom_OBJ::clearSelection() {
    for (const std::unique_ptr<tdianqi_rec>& object : objects) {
        object->selected = false;
    }
}
