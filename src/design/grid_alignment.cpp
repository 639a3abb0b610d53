#include "core/troom_obj.h"

#include <optional>

// Aligning the room's outline to the ceiling grid: the outline moves by less than a cell;
// the grid, its panels and the objects stay where they are.

namespace {

enum AlignmentTag {
    TopLeft = 1,
    TopRight = 2,
    BottomLeft = 3,
    BottomRight = 4,
    Centre = 5,
    CentreAcross = 6,
    CentreDown = 7,
    ManualAdjust = 8,
    LockCanvas = 9,
};

// The cell holding a plan point and its rectangle in millimetres.
struct ReferenceCell {
    GridCell cell;
    ObjectBox mm;
};

std::optional<ReferenceCell> referenceCell(const TRoom_OBJ& room, int x, int y) {
    const std::optional<GridCell> cell = room.cellOfPoint({x, y});
    if (!cell) {
        return std::nullopt;
    }
    return ReferenceCell{*cell, room.cellRectangle(*cell)};
}

bool inActiveRange(const TRoom_OBJ& room, GridCell cell) {
    return cell.column >= room.firstColumn && cell.column <= room.lastColumn &&
           cell.row >= room.firstRow && cell.row <= room.lastRow;
}

// The shift that leaves equal margins between the room (roomStart..roomEnd cm) and the
// cells covering it (firstMm..lastMm): half of what the cells exceed it by, toward zero,
// counted from the first cell's edge.
int centringShift(int firstMm, int lastMm, int roomStart, int roomEnd) {
    return ((lastMm - firstMm - 1) / 10 - (roomEnd - roomStart - 1)) / 2 + firstMm / 10 - roomStart;
}

// The offset of one alignment against the room's current bounds; none when its reference
// cell is missing or outside the active range.
std::optional<QPoint> alignmentOffset(const TRoom_OBJ& room, int tag) {
    Bounds b;
    if (!room.wall.planBounds(b)) {
        return std::nullopt;
    }
    const int left = b.minX;
    const int top = b.minY;
    const int right = b.maxX;
    const int bottom = b.maxY;
    const bool atRight = tag == TopRight || tag == BottomRight;
    const bool atBottom = tag == BottomLeft || tag == BottomRight;
    const std::optional<ReferenceCell> reference =
        referenceCell(room, atRight ? right - 1 : left + 1, atBottom ? bottom - 1 : top + 1);
    if (!reference || !inActiveRange(room, reference->cell)) {
        return std::nullopt;
    }
    const ObjectBox& c = reference->mm;
    if (tag <= BottomRight) {
        return QPoint(atRight ? c.right / 10 - right : c.left / 10 - left,
                      atBottom ? c.bottom / 10 - bottom : c.top / 10 - top);
    }
    QPoint offset;
    if (tag == Centre || tag == CentreAcross) {
        const std::optional<ReferenceCell> d = referenceCell(room, right - 1, top + 1);
        if (d) {
            offset.setX(centringShift(c.left, d->mm.right, left, right));
        }
    }
    if (tag == Centre || tag == CentreDown) {
        const std::optional<ReferenceCell> e = referenceCell(room, left + 1, bottom - 1);
        if (e) {
            offset.setY(centringShift(c.top, e->mm.bottom, top, bottom));
        }
    }
    return offset;
}

void shiftOutline(TRoom_OBJ& room, int tag) {
    if (const std::optional<QPoint> offset = alignmentOffset(room, tag)) {
        room.wall.shiftPlan(*offset);
        room.wall.refreshCanvasPoints();
        if (!offset->isNull()) {
            room.roomModified = true;
        }
    }
}

} // namespace

void TRoom_OBJ::roomToGridAlignment(int tag, bool fromMainWindow) {
    if (wall.pointCount() == 0 || tag < TopLeft || tag > LockCanvas) {
        return;
    }
    if (tag == ManualAdjust) {
        currentProduct = CurrentProduct{};
        editMode = EditDesign;
        setTool(DesignViewTool);
        lockCanvas = false;
    } else if (tag == LockCanvas) {
        editMode = EditDesign;
        setTool(DesignFreeFill);
        lockCanvas = true;
    } else {
        if (tag >= Centre) {
            shiftOutline(*this, TopLeft);
        }
        shiftOutline(*this, tag);
    }
    centreView();
    rebuildMask();
    recount();
    computeActiveRange();
    recount();
    recordStep();
    if (fromMainWindow) {
        recount();
    }
}
