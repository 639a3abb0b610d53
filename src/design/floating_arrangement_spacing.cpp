#include "design/floating_arrangement.h"

#include "core/rounding.h"
#include "core/tpic_rec.h"
#include "design/grid_cell_range.h"
#include "design/object_support.h"

using rounding::halfEven;

namespace floating_arrangement {

namespace {

int& coordinate(tdianqi_rec& object, Axis axis) {
    return axis == Axis::X ? object.x : object.y;
}

} // namespace

void spaceEvenly(std::vector<tdianqi_rec*> selected, Axis axis) {
    const std::vector<tdianqi_rec*> ordered = object_support::orderedBy(
        selected, [axis](const tdianqi_rec& o) { return axis == Axis::X ? o.x : o.y; });
    const int count = int(ordered.size());
    if (count < 3) {
        return;
    }
    const int first = coordinate(*ordered.front(), axis);
    const double step = double(coordinate(*ordered.back(), axis) - first) / (count - 1);
    for (int i = 1; i <= count - 2; ++i) {
        coordinate(*ordered[std::size_t(i)], axis) = halfEven(i * step) + first;
    }
}

void shareOverPanel(TRoom_OBJ& room, std::vector<tdianqi_rec*> selected) {
    const std::optional<GridCell> under =
        room.cellOfPoint(room.wall.canvasToPlan(room.pointerPoint));
    if (!under) {
        return;
    }
    GridCell anchor = *under;
    if (room.cell(anchor.column, anchor.row) < -1) {
        anchor = TRoom_OBJ::coveredCellAnchor(room.cell(anchor.column, anchor.row));
    }
    if (!isGridCell(anchor) || room.cell(anchor.column, anchor.row) < 0) {
        return;
    }
    const int orientation = room.cellAttribute(anchor.column, anchor.row) % 10;
    const tpic_rec* panel = room.productLookup(room.cell(anchor.column, anchor.row), orientation);
    if (!panel || selected.empty()) {
        return;
    }
    const ObjectBox block = room.blockPlanRectangle(anchor, panel->width, panel->height);
    // Across a panel at 0 or 180 degrees the slots run left to right, else top to bottom.
    const bool across = orientation == 0 || orientation == 2;
    const std::vector<tdianqi_rec*> ordered = object_support::orderedBy(
        selected, [across](const tdianqi_rec& o) { return across ? o.x : o.y; });
    const int start = across ? block.left : block.top;
    const double step = double(across ? block.right - block.left : block.bottom - block.top) /
                        double(ordered.size());
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        const int slotStart = start + halfEven(double(i) * step);
        const int slotEnd = start + halfEven(double(i + 1) * step);
        const ObjectBox slot = across ? ObjectBox{slotStart, block.top, slotEnd, block.bottom}
                                      : ObjectBox{block.left, slotStart, block.right, slotEnd};
        tdianqi_rec& object = *ordered[i];
        const tpic_rec* product = room.productLookup(object.id, orientation);
        if (!product) {
            continue;
        }
        // Whole centimetres of the product, the remainder dropped.
        const int width = product->width / 10;
        const int height = product->height / 10;
        object.x = slot.left + halfEven((slot.right - slot.left - width) / 2.0);
        object.y = slot.top + halfEven((slot.bottom - slot.top - height) / 2.0);
    }
}

} // namespace floating_arrangement
