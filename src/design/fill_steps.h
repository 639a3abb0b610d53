#pragma once

#include "core/troom_obj.h"

#include <optional>

// Small steps that the fill tools, the replacement and the object placement share.
namespace fill_steps {

// Normalises the grid of a square-panel room, then paints it: the grid is settled as the
// paint settles it, also without a canvas that can be drawn on, so that new multi-cell
// panels own their covered cells before the appliances are seated again.
void repaint(TRoom_OBJ& room);

// The strip entry of a strip room: cell (c, 1) in rooms with strips along the columns,
// cell (1, r) in rooms with strips along the rows.
qint32& stripEntry(TRoom_OBJ& room, int index);
// The index of the column (strips along columns) or row (along rows) under a plan point.
std::optional<int> stripIndexAt(const TRoom_OBJ& room, QPoint plan);
// Makes `index` hold the strip product: its column width (row height) becomes `size`
// and its entry the product with the strip attribute of the room's mode.
void setStrip(TRoom_OBJ& room, int index, int productId, int size);
// The orientation in which strips lie in the room's mode: 1 along columns, 0 along rows.
int stripOrientation(const TRoom_OBJ& room);
// The column width (strips along columns) or row height (along rows) at `index`.
qint32 stripSize(const TRoom_OBJ& room, int index);
// The product size that a strip sets: its width along columns, its height along rows.
int productStripSize(const TRoom_OBJ& room, int width, int height);

// The anchor of a cell: the cell itself unless it is a covered cell.
GridCell anchorOf(const TRoom_OBJ& room, GridCell cell);

// The busy pointer on the room's canvas for the lifetime of the guard; afterwards the
// pointer shape of the room's tool.
class BusyPointer {
public:
    explicit BusyPointer(TRoom_OBJ& room);
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    TRoom_OBJ& room_;
};

// The pointer shape of a design tool.
int toolPointerShape(const TRoom_OBJ& room);

} // namespace fill_steps
