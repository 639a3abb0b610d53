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

// The selected objects in list order.
std::vector<tdianqi_rec*> selectedObjects(const TRoom_OBJ& room);

// The objects ordered by a key: each goes before the first one already placed whose key is
// not smaller, so objects with equal keys end in reverse list order.
std::vector<tdianqi_rec*> orderedBy(const std::vector<tdianqi_rec*>& objects,
                                    const std::function<int(const tdianqi_rec&)>& key);

} // namespace object_support
