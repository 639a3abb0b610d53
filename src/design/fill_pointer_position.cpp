#include "core/troom_obj.h"

#include "core/rounding.h"
#include "core/tpic_rec.h"
#include "library/product_library.h"

// While the ghost of the current product follows the pointer, the fill tools work at its
// top-left corner, so that a click lays the product where its ghost shows it.

namespace {

// The ghost shows strips the way they lie in the room: turned along the columns, straight
// along the rows; every other product in the room's orientation.
int ghostProductOrientation(const TRoom_OBJ& room) {
    if (room.currentProduct.kind == KindStrip && room.roomstyle != SquarePanelRoom) {
        return room.roomstyle == StripsAlongColumns ? 1 : 0;
    }
    return room.currentProduct.orientation;
}

} // namespace

QPoint TRoom_OBJ::ghostCorner(QPoint p) {
    if (!productGhost || currentProduct.id == -1) {
        return p;
    }
    const tpic_rec* product = productLookup(currentProduct.id, ghostProductOrientation(*this));
    if (!product) {
        return p;
    }
    const double scale = wall.paperWidth();
    const int dx = rounding::halfEven(scale * (product->width / 10.0) / 2000 / 2);
    const int dy = rounding::halfEven(scale * (product->height / 10.0) / 2000 / 2);
    return p - QPoint(dx, dy);
}
