#include "design/object_support.h"

#include "library/product_library.h"

#include <algorithm>

namespace object_support {

void refreshAllRectangles(TRoom_OBJ& room) {
    for (const std::unique_ptr<tdianqi_rec>& object : room.objects) {
        room.refreshObjectRectangles(*object);
    }
}

bool overlapsAnotherAppliance(const TRoom_OBJ& room, const tdianqi_rec& object,
                              const ObjectBox& at) {
    return std::any_of(room.objects.begin(), room.objects.end(),
                       [&](const std::unique_ptr<tdianqi_rec>& other) {
                           return other.get() != &object && other->kind == KindAppliance &&
                                  TRoom_OBJ::applianceOverlap(at, other->canvasRect);
                       });
}

bool overlapsWhereSeated(TRoom_OBJ& room, const tdianqi_rec& object) {
    tdianqi_rec trial = object;
    if (room.roomstyle == SquarePanelRoom && trial.kind == KindAppliance) {
        room.snapToSeatCell(trial);
    }
    room.refreshObjectRectangles(trial);
    refreshAllRectangles(room);
    return overlapsAnotherAppliance(room, object, trial.canvasRect);
}

std::vector<tdianqi_rec*> selectedObjects(const TRoom_OBJ& room) {
    std::vector<tdianqi_rec*> selected;
    for (const std::unique_ptr<tdianqi_rec>& object : room.objects) {
        if (object->selected) {
            selected.push_back(object.get());
        }
    }
    return selected;
}

std::vector<tdianqi_rec*> orderedBy(const std::vector<tdianqi_rec*>& objects,
                                    const std::function<int(const tdianqi_rec&)>& key) {
    std::vector<tdianqi_rec*> ordered;
    for (tdianqi_rec* object : objects) {
        const int value = key(*object);
        const auto at = std::find_if(ordered.begin(), ordered.end(),
                                     [&](tdianqi_rec* placed) { return key(*placed) >= value; });
        ordered.insert(at, object);
    }
    return ordered;
}

} // namespace object_support
