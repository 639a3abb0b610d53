#include "design/picture_products.h"

#include "core/troom_obj.h"

namespace picture_products {

// The same lookups, with the same orientations, as the drawing of the grid and objects.
void lookUp(TRoom_OBJ& room) {
    switch (room.roomstyle) {
    case SquarePanelRoom:
        room.normaliseCoveredCells();
        break;
    case StripsAlongColumns:
        for (int c = room.firstColumn; c <= room.lastColumn; ++c) {
            if (room.cell(c, 1) >= 0) {
                room.productLookup(room.cell(c, 1), 1);
            }
        }
        break;
    case StripsAlongRows:
        for (int r = room.firstRow; r <= room.lastRow; ++r) {
            if (room.cell(1, r) >= 0) {
                room.productLookup(room.cell(1, r), 0);
            }
        }
        break;
    default:
        break;
    }
    for (const std::unique_ptr<tdianqi_rec>& object : room.objects) {
        room.productLookup(object->id, object->orientation & 0xFF);
    }
}

WithoutLibrary::WithoutLibrary(TRoom_OBJ& room) : room_(room), library_(room.library) {
    room_.library = nullptr;
}

WithoutLibrary::~WithoutLibrary() {
    room_.library = library_;
}

} // namespace picture_products
