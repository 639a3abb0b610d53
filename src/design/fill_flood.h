#pragma once

#include "core/troom_obj.h"

// Floods the panels (or empty cells) of product `from` that are connected to the panel
// anchored at `anchor` through four-neighbour adjacency within the active range: each
// anchor becomes `to`. The neighbours are visited depth first, above and below the panel
// column by column, then left and right of it row by row, with an explicit work list.
// Nothing when `to` equals `from`.
void floodPanels(TRoom_OBJ& room, GridCell anchor, qint32 from, qint32 to);
