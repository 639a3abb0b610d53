#pragma once

#include "core/troom_obj.h"

#include <functional>
#include <vector>

// Helpers shared by the object commands: the move and swap tool, the orientation command
// and the floating-product arrangements.
namespace object_support {

// Every object's plan and canvas rectangles from its position and the view, as a paint
// writes them; also when no canvas is bound.
void refreshAllRectangles(TRoom_OBJ& room);

// Whether the canvas rectangle `at` of the object overlaps that of another appliance of
// the list; by default the object's own rectangle.
bool overlapsAnotherAppliance(const TRoom_OBJ& room, const tdianqi_rec& object,
                              const ObjectBox& at);
inline bool overlapsAnotherAppliance(const TRoom_OBJ& room, const tdianqi_rec& object) {
    return overlapsAnotherAppliance(room, object, object.canvasRect);
}

// Whether the object would overlap another appliance where seating puts it (an appliance
// of a square-panel room snapped to its seat cell), judged before seating changes the
// grid. Every object's rectangles are refreshed first; the object itself is not moved.
bool overlapsWhereSeated(TRoom_OBJ& room, const tdianqi_rec& object);

// The selected objects in list order.
std::vector<tdianqi_rec*> selectedObjects(const TRoom_OBJ& room);

// The objects ordered by a key: each goes before the first one already placed whose key is
// not smaller, so objects with equal keys end in reverse list order.
std::vector<tdianqi_rec*> orderedBy(const std::vector<tdianqi_rec*>& objects,
                                    const std::function<int(const tdianqi_rec&)>& key);

} // namespace object_support
