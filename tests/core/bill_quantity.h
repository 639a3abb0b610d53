#pragma once

#include "core/ppdu_id.h"
#include "core/troom_obj.h"

// The quantity of one product in a room's bill lines, 0 when it has none.
inline double quantityOf(const TRoom_OBJ& room, int id) {
    for (const auto& line : room.billLines) {
        if (line->id == id) {
            return line->number;
        }
    }
    return 0;
}
