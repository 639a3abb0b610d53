#pragma once

#include <QtGlobal>

#include <unordered_map>

class TRoom_OBJ;
namespace v5_design {
struct Design;
}

// Lays a design file of the previous generation into a room: the cell size and room mode
// of its style, its grid, objects and wall corners, then the products mapped to the
// current library and, in strip rooms, one strip per column or row.
namespace v5_room {

struct Layout {
    int cellWidth = 0;
    int cellHeight = 0;
    int roomMode = 0;
};

// The room's cell size and mode for the file's V5 style.
Layout layoutOf(const v5_design::Design& design);

// Empties the outline, the grid (every cell -1, attribute 0) and the objects, then takes
// the file's cells at columns and rows 1..220, its objects and its corners, all sizes
// set to the style's cell size and strip free mode on. Coordinates are scaled and
// rounded halves to even.
void layOut(TRoom_OBJ& room, const v5_design::Design& design);

// V5 ids to current ids (-1: the name is not in the current library).
using IdMap = std::unordered_map<qint32, qint32>;

// Replaces the mapped ids of the cells in columns and rows 2..220 (ids above 0 only) and
// of the placed objects; the objects take the kind of their product when it is known.
void mapProducts(TRoom_OBJ& room, const IdMap& mapped);

// In a strip room, one strip per column (mode 1) or row (mode 2) counted from 2: the
// first product of each line becomes the strip entry of the next strip line, which takes
// the product's width across.
void rebuildStrips(TRoom_OBJ& room);

} // namespace v5_room
