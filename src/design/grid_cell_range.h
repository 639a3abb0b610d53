#pragma once

#include "core/troom_obj.h"

// Whether a cell lies in the grid's columns and rows 1..1000.
inline bool isGridCell(GridCell cell) {
    return cell.column >= 1 && cell.column <= TRoom_OBJ::LastCell && cell.row >= 1 &&
           cell.row <= TRoom_OBJ::LastCell;
}
