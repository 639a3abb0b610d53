#pragma once

#include "core/troom_obj.h"

#include <optional>

// What lies under a canvas point: the topmost object, else the product of the cell (the
// panel through its anchor, or the strip of the column or row).
struct ProductUnderPoint {
    bool object = false;
    int objectIndex = -1;
    std::optional<GridCell> cell;
    int id = -1; // -1: nothing there
    int orientation = 0;
};

ProductUnderPoint productUnderPoint(const TRoom_OBJ& room, QPoint canvasPoint);
