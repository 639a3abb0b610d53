#include "core/troom_obj.h"

#include "core/tpic_rec.h"
#include "design/fill_flood.h"
#include "design/fill_steps.h"
#include "design/object_support.h"
#include "library/product_library.h"
#include "platform/prompts.h"

#include <vector>

// Replacing with the current product at the pointer point: scope 0 the product there,
// 1 every product of its kind, 2 its connected region.

namespace {

constexpr int ScopeOne = 0;
constexpr int ScopeAll = 1;

void showMismatch(TRoom_OBJ& room) {
    if (room.prompts) {
        room.prompts->message(QStringLiteral("规格不一,无法完成替换"));
    }
}

enum class ObjectReplacement { Replaced, Overlap, Refused };

// Gives the object the new product. It is seated again for its new size; where it would
// then overlap another appliance, or cannot be seated, it keeps its old product.
ObjectReplacement replaceObject(TRoom_OBJ& room, tdianqi_rec& object, qint32 id) {
    const tdianqi_rec before = object;
    object.id = id;
    if (object.kind == KindAppliance && object_support::overlapsWhereSeated(room, object)) {
        object = before;
        return ObjectReplacement::Overlap;
    }
    if (!room.seatAppliance(object)) {
        object = before;
        return ObjectReplacement::Refused;
    }
    room.refreshObjectRectangles(object);
    return ObjectReplacement::Replaced;
}

void replaceObjects(TRoom_OBJ& room, int scope) {
    const int hit = room.hitTest(room.pointerPoint);
    // A product the library no longer holds replaces nothing.
    if (hit >= 0 && room.productLookup(room.currentProduct.id, 0)) {
        tdianqi_rec& target = *room.objects[std::size_t(hit)];
        const qint32 old = target.id;
        std::vector<tdianqi_rec*> chosen{&target};
        if (scope != ScopeOne) {
            chosen.clear();
            for (const std::unique_ptr<tdianqi_rec>& object : room.objects) {
                if (object->id == old) {
                    chosen.push_back(object.get());
                }
            }
        }
        bool replaced = false;
        bool overlap = false;
        for (tdianqi_rec* object : chosen) {
            const ObjectReplacement outcome = replaceObject(room, *object, room.currentProduct.id);
            replaced = replaced || outcome == ObjectReplacement::Replaced;
            overlap = overlap || outcome == ObjectReplacement::Overlap;
        }
        if (overlap && room.prompts) {
            room.prompts->message(QStringLiteral("电器不能放在电器或者悬浮产品上."));
        }
        if (replaced) {
            room.roomModified = true;
            room.recordStep();
        }
    }
    room.recount();
}

// Puts the new id into the anchor, every matching cell of the active range, or the
// connected region; whether anything was to change.
bool replaceCells(TRoom_OBJ& room, int scope, GridCell anchor, qint32 old, qint32 id) {
    if (old == id) {
        return false;
    }
    if (scope == ScopeOne) {
        room.cell(anchor.column, anchor.row) = id;
    } else if (scope == ScopeAll) {
        for (int c = room.firstColumn; c <= room.lastColumn; ++c) {
            for (int r = room.firstRow; r <= room.lastRow; ++r) {
                if (room.cell(c, r) == old) {
                    room.cell(c, r) = id;
                }
            }
        }
    } else {
        floodPanels(room, anchor, old, id);
    }
    return true;
}

void replacePanels(TRoom_OBJ& room, int scope) {
    const std::optional<GridCell> under =
        room.cellOfPoint(room.wall.canvasToPlan(room.pointerPoint));
    if (!under) {
        room.paint();
        return;
    }
    const GridCell anchor = fill_steps::anchorOf(room, *under);
    const qint32 old = room.cell(anchor.column, anchor.row);
    const qint32 id = room.currentProduct.id;
    if (old < -1) {
        return; // a covered cell whose panel is gone
    }
    // A product the library no longer holds is not put into the grid.
    const tpic_rec* current = room.productLookup(id, 0);
    if (!current) {
        return;
    }
    if (old >= 0) {
        // The orientation stays with the cell, so only a product of the same size fits.
        const tpic_rec* previous = room.productLookup(old, 0);
        if (!previous) {
            return;
        }
        if (current->width != previous->width || current->height != previous->height) {
            showMismatch(room);
            return;
        }
    }
    const bool changed = replaceCells(room, scope, anchor, old, id);
    // The paint normalises the new anchors and empties those that do not fit, so the
    // step is recorded from the settled grid.
    fill_steps::repaint(room);
    room.reseatAllAppliances();
    room.recount();
    room.roomModified = room.roomModified || changed;
    if (changed) {
        room.recordStep();
    }
}

void replaceStrips(TRoom_OBJ& room, int scope) {
    const tpic_rec* product =
        room.productLookup(room.currentProduct.id, fill_steps::stripOrientation(room));
    const std::optional<int> index =
        fill_steps::stripIndexAt(room, room.wall.canvasToPlan(room.pointerPoint));
    if (product && index) {
        const int size = fill_steps::productStripSize(room, product->width, product->height);
        if (size == fill_steps::stripSize(room, *index) || room.stripFreeMode) {
            const qint32 old = fill_steps::stripEntry(room, *index);
            const bool columns = room.roomstyle == StripsAlongColumns;
            const int first = columns ? room.firstColumn : room.firstRow;
            const int last = columns ? room.lastColumn : room.lastRow;
            const auto matches = [&](int i) {
                return old != product->id && fill_steps::stripEntry(room, i) == old;
            };
            // The region's run stays within the active range, also when the pointer lies
            // beside it.
            const auto inRange = [&](int i) { return i >= first && i <= last; };
            if (scope == ScopeOne) {
                fill_steps::setStrip(room, *index, product->id, size);
            } else if (scope == ScopeAll) {
                for (int i = first; i <= last; ++i) {
                    if (matches(i)) {
                        fill_steps::setStrip(room, i, product->id, size);
                    }
                }
            } else {
                for (int i = *index; inRange(i) && matches(i); ++i) {
                    fill_steps::setStrip(room, i, product->id, size);
                }
                for (int i = *index - 1; inRange(i) && matches(i); --i) {
                    fill_steps::setStrip(room, i, product->id, size);
                }
            }
            // New column widths (row heights) move the range's edges.
            room.computeActiveRange();
            room.roomModified = true;
            room.recordStep();
        } else {
            showMismatch(room);
        }
    }
    room.recount();
}

} // namespace

void TRoom_OBJ::replace(int scope) {
    if (currentProduct.id == -1) {
        return;
    }
    fill_steps::BusyPointer busy(*this);
    const int kind = currentProduct.kind;
    if (kind == KindAppliance || kind == KindFloating) {
        replaceObjects(*this, scope);
    } else if (kind == KindSquarePanel && roomstyle == SquarePanelRoom) {
        replacePanels(*this, scope);
    } else if (kind == KindStrip && roomstyle != SquarePanelRoom) {
        replaceStrips(*this, scope);
    } else {
        paint();
    }
}
