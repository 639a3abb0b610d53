#include "design/fill_flood.h"

#include "design/fill_steps.h"

#include <vector>

namespace {

// One panel being flooded: its neighbours are neighbours[first .. end), `next` is the
// one to look at next.
struct Frame {
    std::size_t first = 0;
    std::size_t end = 0;
    std::size_t next = 0;
};

bool inActiveRange(const TRoom_OBJ& room, GridCell cell) {
    return cell.column >= room.firstColumn && cell.column <= room.lastColumn &&
           cell.row >= room.firstRow && cell.row <= room.lastRow;
}

// Sets the anchor to the new product and appends the panel's neighbours in their order.
Frame enter(TRoom_OBJ& room, GridCell anchor, qint32 to, std::vector<GridCell>& neighbours) {
    room.cell(anchor.column, anchor.row) = to;
    const qint32 covered = TRoom_OBJ::coveredCellValue(anchor);
    int f = anchor.column + 1;
    while (f <= TRoom_OBJ::LastCell && room.cell(f, anchor.row) == covered) {
        ++f;
    }
    int l = anchor.row + 1;
    while (l <= TRoom_OBJ::LastCell && room.cell(anchor.column, l) == covered) {
        ++l;
    }
    Frame frame;
    frame.first = frame.next = neighbours.size();
    for (int m = anchor.column; m < f; ++m) {
        neighbours.push_back({m, anchor.row - 1});
        neighbours.push_back({m, l});
    }
    for (int k = anchor.row; k < l; ++k) {
        neighbours.push_back({anchor.column - 1, k});
        neighbours.push_back({f, k});
    }
    frame.end = neighbours.size();
    return frame;
}

} // namespace

void floodPanels(TRoom_OBJ& room, GridCell anchor, qint32 from, qint32 to) {
    if (to == from) {
        return;
    }
    std::vector<GridCell> neighbours;
    std::vector<Frame> stack;
    stack.push_back(enter(room, anchor, to, neighbours));
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next == top.end) {
            neighbours.resize(top.first);
            stack.pop_back();
            continue;
        }
        const GridCell neighbour = neighbours[top.next++];
        if (!inActiveRange(room, neighbour)) {
            continue;
        }
        const GridCell next = fill_steps::anchorOf(room, neighbour);
        if (room.cell(next.column, next.row) == from) {
            // `top` may move when the stack grows; it is not used after this.
            stack.push_back(enter(room, next, to, neighbours));
        }
    }
}
