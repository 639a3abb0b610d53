#include "core/troom_obj.h"

#include "design/fill_steps.h"
#include "platform/prompts.h"

#include <algorithm>

// Taking products away: the selected objects or the product under the pointer, and the
// whole design of a room.

namespace {

bool removeSelectedObjects(TRoom_OBJ& room) {
    const auto selected = [](const std::unique_ptr<tdianqi_rec>& object) {
        return object->selected;
    };
    const auto kept = std::remove_if(room.objects.begin(), room.objects.end(), selected);
    if (kept == room.objects.end()) {
        return false;
    }
    room.objects.erase(kept, room.objects.end());
    return true;
}

// The panel or strip under a plan point; whether one was taken out.
bool removeGridProduct(TRoom_OBJ& room, QPoint plan) {
    if (room.roomstyle == SquarePanelRoom) {
        const std::optional<GridCell> under = room.cellOfPoint(plan);
        if (!under || room.cell(under->column, under->row) == -1) {
            return false;
        }
        return room.removePanel(fill_steps::anchorOf(room, *under));
    }
    const std::optional<int> index = fill_steps::stripIndexAt(room, plan);
    if (!index || fill_steps::stripEntry(room, *index) == -1) {
        return false;
    }
    fill_steps::stripEntry(room, *index) = -1;
    return true;
}

} // namespace

void TRoom_OBJ::deleteProduct() {
    roomChanged = false;
    const int hit = hitTest(pointerPoint);
    if (hit >= 0) {
        objects[std::size_t(hit)]->selected = true;
    }
    if (removeSelectedObjects(*this)) {
        roomModified = true;
        roomChanged = true;
        recount();
    } else if (removeGridProduct(*this, wall.canvasToPlan(pointerPoint))) {
        // Taking out a strip is recorded as well, so that it can be undone.
        roomModified = true;
        roomChanged = true;
        if (roomstyle != SquarePanelRoom) {
            recount();
        }
    }
    statisticsRefresh();
    if (roomChanged) {
        fill_steps::repaint(*this);
        recordStep();
    }
}

bool TRoom_OBJ::clearDesign() {
    if (wall.pointCount() < 1 || editMode != EditDesign) {
        return false;
    }
    const QString question =
        QStringLiteral("是否清除当前房间［") + title + QStringLiteral("］ 的所有产品?");
    if (!prompts || !prompts->confirm(question)) {
        return false;
    }
    emptyDesign();
    roomModified = true;
    fill_steps::repaint(*this);
    recordStep();
    return true;
}
