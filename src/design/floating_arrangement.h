#pragma once

#include "core/troom_obj.h"

#include <vector>

// The spacing and sharing steps of the floating-product arrangements.
namespace floating_arrangement {

// The entries of "悬浮产品对齐".
enum ArrangementTag {
    AlignTops = 0,
    AlignBottoms = 1,
    AlignLefts = 2,
    AlignRights = 3,
    SpaceAcross = 4,
    SpaceDown = 5,
    ShareOverPanel = 6,
    ToTop = 7,
    ToBottom = 8,
};

enum class Axis { X, Y };

// With three objects or more, those between the first and the last along the axis get
// equal steps; the first and the last stay.
void spaceEvenly(std::vector<tdianqi_rec*> selected, Axis axis);

// Shares the objects out in equal slots over the panel under the pointer point, each
// centred in its slot; nothing unless a panel lies there.
void shareOverPanel(TRoom_OBJ& room, std::vector<tdianqi_rec*> selected);

} // namespace floating_arrangement
