#include "core/troom_obj.h"

#include "core/tpic_rec.h"
#include "library/product_library.h"
#include "platform/prompts.h"

#include <memory>
#include <optional>
#include <vector>

namespace {

// Whether the object at `index` overlaps another appliance of the list on the canvas.
bool overlapsAnotherAppliance(TRoom_OBJ& room, std::size_t index) {
    const ObjectBox& placed = room.objects[index]->canvasRect;
    for (std::size_t i = 0; i < room.objects.size(); ++i) {
        tdianqi_rec& other = *room.objects[i];
        if (i == index || other.kind != KindAppliance) {
            continue;
        }
        if (TRoom_OBJ::applianceOverlap(placed, other.canvasRect)) {
            return true;
        }
    }
    return false;
}

// The panels that an appliance would be seated over, with what each counts now.
struct CountedPanel {
    GridCell anchor;
    qint32 product = -1;
    int counted = 0;
};

std::vector<CountedPanel> panelsUnder(TRoom_OBJ& room, const tdianqi_rec& object,
                                      const tpic_rec& product) {
    std::vector<CountedPanel> panels;
    tdianqi_rec probe = object;
    const std::optional<GridCell> seat = room.snapToSeatCell(probe);
    if (!seat) {
        return panels;
    }
    const TRoom_OBJ::CellSpan span = room.spanTest(*seat, product.width, product.height);
    for (int c = seat->column; c < seat->column + span.columns; ++c) {
        for (int r = seat->row; r < seat->row + span.rows; ++r) {
            if (room.cell(c, r) >= 0 && room.cellAttribute(c, r) / 10 == 0) {
                const int counted = room.panelContribution({c, r});
                panels.push_back({{c, r}, room.cell(c, r), counted});
            }
        }
    }
    return panels;
}

// Panels that seating put under the appliance count 0 from now on.
void subtractCoveredPanels(TRoom_OBJ& room, const std::vector<CountedPanel>& panels) {
    for (const CountedPanel& panel : panels) {
        const GridCell at = panel.anchor;
        if (panel.counted != 0 && room.cell(at.column, at.row) == panel.product &&
            room.cellAttribute(at.column, at.row) / 10 == 1) {
            room.addQuantity(panel.product, -panel.counted);
        }
    }
}

} // namespace

void TRoom_OBJ::objectPlacement() {
    // The object's top-left corner: the ghost's corner or the gesture's end, snapped.
    const QPoint corner = productGhost ? ghostCorner(pointerPoint) : dragRectangleEnd;
    const QPoint plan = wall.canvasToPlan(snapToGridLines(corner, false));

    // Looked up afresh: the product may have been turned since it was chosen.
    const tpic_rec* product = productLookup(currentProduct.id, currentProduct.orientation);
    if (!product || product->kind >= KindOther || product->width == 0 || product->height == 0) {
        return;
    }
    auto object = std::make_unique<tdianqi_rec>();
    object->id = currentProduct.id;
    object->orientation = currentProduct.orientation;
    object->x = plan.x();
    object->y = plan.y();
    object->selected = false;
    object->kind = currentProduct.kind;
    // In square-panel rooms an appliance goes only where it covers whole cells.
    std::vector<CountedPanel> covered;
    if (object->kind == KindAppliance && roomstyle == SquarePanelRoom) {
        covered = panelsUnder(*this, *object, *product);
    }
    if (!seatAppliance(*object)) {
        return;
    }
    subtractCoveredPanels(*this, covered);
    objects.push_back(std::move(object));
    const std::size_t index = objects.size() - 1;
    addQuantity(currentProduct.id, 1);
    statisticsRefresh();
    paint();
    if (objects[index]->kind != KindAppliance) {
        roomModified = true;
        recordStep();
        return;
    }
    // The overlap test compares canvas rectangles; without a drawn canvas the paint has
    // not written them.
    for (const std::unique_ptr<tdianqi_rec>& each : objects) {
        refreshObjectRectangles(*each);
    }
    if (overlapsAnotherAppliance(*this, index)) {
        if (prompts) {
            prompts->message(QStringLiteral("电器不能放在电器或者悬浮产品上."));
        }
        addQuantity(objects[index]->id, -1);
        statisticsRefresh();
        objects.erase(objects.begin() + std::ptrdiff_t(index));
        // Seating may have taken panels out from under the refused appliance. Without a
        // recorded step the panels kept under it count again at least.
        if (undoList.empty()) {
            recount();
        } else {
            restoreStep(undoPosition);
            // The room is its recorded step again: a rectangle release that follows has
            // nothing to record.
            roomChanged = false;
        }
        return;
    }
    roomModified = true;
    recordStep();
}
