#include "core/troom_obj.h"

#include "core/ppdu_id.h"
#include "core/tpic_rec.h"
#include "design/grid_cell_range.h"
#include "design/mask_reader.h"
#include "design/panel_counter.h"

int TRoom_OBJ::panelContribution(GridCell anchor) {
    if (!isGridCell(anchor)) {
        return 0;
    }
    return PanelCounter(*this).contribution(anchor);
}

void TRoom_OBJ::recount() {
    billLines.clear();
    if (roomstyle == SquarePanelRoom) {
        // Counted as drawn: a grid read from a record or given new cell sizes may hold
        // panels that share cells until it is normalised.
        normaliseCoveredCells();
        PanelCounter counter(*this);
        for (int c = firstColumn; c <= lastColumn; ++c) {
            for (int r = firstRow; r <= lastRow; ++r) {
                const qint32 product = cell(c, r);
                if (product > 0) {
                    addQuantity(product, counter.contribution({c, r}));
                }
            }
        }
    } else {
        stripMeasurement();
    }

    // An object counts while one corner of it lies in the room; one wholly outside is
    // deleted.
    const MaskReader reader(mask, maskOrigin);
    for (int i = int(objects.size()) - 1; i >= 0; --i) {
        tdianqi_rec& object = *objects[std::size_t(i)];
        if (!refreshObjectRectangles(object)) {
            continue;
        }
        const ObjectBox& box = object.planRect;
        if (reader.inside(box.left, box.top) || reader.inside(box.right, box.top) ||
            reader.inside(box.left, box.bottom) || reader.inside(box.right, box.bottom)) {
            addQuantity(object.id, 1);
        } else {
            objects.erase(objects.begin() + i);
            roomChanged = true;
        }
    }
    statisticsRefresh();
}
