#include "core/troom_obj.h"

#include "design/grid_cell_range.h"
#include "design/object_support.h"
#include "library/product_library.h"

// "产品方向": turns the hand, the selected objects, the object under the pointer or the
// panel under it to a new orientation code.

namespace {

void setOrientation(tdianqi_rec& object, int orientation) {
    object.orientation = (object.orientation & ~0xFF) | (orientation & 0xFF);
}

// Turns the object and repaints; an appliance that then overlaps another one gets its old
// orientation back (repainted again) and the result is false.
bool turnObject(TRoom_OBJ& room, tdianqi_rec& object, int orientation) {
    const qint32 old = object.orientation;
    setOrientation(object, orientation);
    room.paint();
    object_support::refreshAllRectangles(room);
    if (object.kind == KindAppliance && object_support::overlapsAnotherAppliance(room, object)) {
        object.orientation = old;
        room.paint();
        object_support::refreshAllRectangles(room);
        return false;
    }
    return true;
}

} // namespace

void TRoom_OBJ::orientationCommand(int tag) {
    if (tag < 0 || tag > 3) {
        return;
    }
    if (productGhost && currentProduct.id != -1) {
        currentProduct.orientation = quint8(tag);
        roomModified = true;
        return;
    }
    roomChanged = false;
    const std::vector<tdianqi_rec*> selected = object_support::selectedObjects(*this);
    if (!selected.empty()) {
        for (tdianqi_rec* object : selected) {
            roomChanged = true;
            roomModified = true;
            if (!turnObject(*this, *object, tag)) {
                recount();
                return;
            }
            seatAppliance(*object);
        }
        recordStep();
        recount();
        return;
    }
    const int hit = hitTest(pointerPoint);
    if (hit >= 0) {
        tdianqi_rec& object = *objects[std::size_t(hit)];
        if (!turnObject(*this, object, tag)) {
            return;
        }
        seatAppliance(object);
        roomModified = true;
        recount();
        recordStep();
        return;
    }
    if (roomstyle != SquarePanelRoom || !isGridCell(pointerCell)) {
        return;
    }
    GridCell anchor = pointerCell;
    if (cell(anchor.column, anchor.row) < -1) {
        anchor = coveredCellAnchor(cell(anchor.column, anchor.row));
    }
    if (!isGridCell(anchor) || cell(anchor.column, anchor.row) < 0) {
        return;
    }
    // The panel is laid again turned, as a single click with it in the hand. The click
    // goes to the middle of its anchor cell: from a covered cell it would lay the turned
    // panel there and so move it.
    const CurrentProduct hand = currentProduct;
    currentProduct = {cell(anchor.column, anchor.row), KindSquarePanel, quint8(tag)};
    const ObjectBox mm = cellRectangle(anchor);
    const QPoint middle = wall.planToCanvas({(mm.left + mm.right) / 20, (mm.top + mm.bottom) / 20});
    const bool onAnchor = anchor.column == pointerCell.column && anchor.row == pointerCell.row;
    dragRectangleStart = onAnchor ? pointerPoint : middle;
    dragRectangleEnd = dragRectangleStart;
    laying();
    // A turned panel that does not fit keeps its old orientation, so that the next paint
    // does not take it out of the grid.
    if (roomChanged) {
        quint8& attribute = cellAttribute(anchor.column, anchor.row);
        attribute = quint8(attribute / 10 % 10 * 10 + tag);
    }
    currentProduct = hand;
    roomModified = true;
    recordStep();
    paint();
}
