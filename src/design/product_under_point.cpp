#include "design/product_under_point.h"

#include "design/fill_steps.h"

ProductUnderPoint productUnderPoint(const TRoom_OBJ& room, QPoint canvasPoint) {
    ProductUnderPoint found;
    found.cell = room.cellOfPoint(room.wall.canvasToPlan(canvasPoint));
    const int hit = room.hitTest(canvasPoint);
    if (hit >= 0) {
        const tdianqi_rec& object = *room.objects[std::size_t(hit)];
        found.object = true;
        found.objectIndex = hit;
        found.id = object.id;
        found.orientation = object.orientation & 0xFF;
        return found;
    }
    if (!found.cell) {
        return found;
    }
    const GridCell c = *found.cell;
    switch (room.roomstyle) {
    case SquarePanelRoom: {
        const GridCell anchor = fill_steps::anchorOf(room, c);
        const qint32 id = room.cell(anchor.column, anchor.row);
        if (id >= 0) {
            found.id = id;
            found.orientation = room.cellAttribute(anchor.column, anchor.row) % 10;
        }
        break;
    }
    case StripsAlongColumns:
        found.id = room.cell(c.column, 1);
        found.orientation = 1;
        break;
    case StripsAlongRows:
        found.id = room.cell(1, c.row);
        found.orientation = 0;
        break;
    default:
        break;
    }
    return found;
}
