#pragma once

#include "core/troom_obj.h"
#include "design/grid_edges.h"
#include "design/mask_reader.h"

#include <vector>

// Decides whether square panels count, for one pass over the room: the grid edges, the
// mask rows and the appliances' plan rectangles are taken once when it is made. The grid
// cells and the objects' positions must not change while it is in use, except through
// the counter itself.
class PanelCounter {
public:
    explicit PanelCounter(TRoom_OBJ& room);

    // 1 when the panel anchored at the cell counts, else 0. Under an appliance that
    // covers it a panel counts 0; one wholly outside the room is removed.
    int contribution(GridCell anchor);

private:
    bool underAppliance(const ObjectBox& block) const;
    bool wallCornerIn(const ObjectBox& block) const;
    void clearBlock(GridCell anchor, const TRoom_OBJ::CellSpan& span);

    TRoom_OBJ& room_;
    GridEdges edges_;
    MaskReader mask_;
    std::vector<ObjectBox> appliances_;
    qint64 minimumCoverage_;
};
