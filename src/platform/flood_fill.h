#pragma once

#include "platform/color.h"

class QImage;

// Flood fills on 32-bit images (RGB32 or ARGB32), four-neighbour, scanline by scanline
// with an explicit work list (no recursion), so a 2000 x 2000 region cannot overflow
// the stack.
namespace flood {

// Fills from (x, y) over every pixel that is not `border`, stopping at `border`
// (the fill-to-border mode of a canvas flood fill). Pixels that already hold the fill
// colour are left as they are and stop the fill too: a region filled from several seeds
// ends up the same, and no pixel is visited twice. Returns the pixels changed.
long long fillToBorder(QImage& image, int x, int y, TColor border, TColor fill);

// Fills from (x, y) over the connected pixels that have the colour of the seed.
long long fillSurface(QImage& image, int x, int y, TColor fill);

} // namespace flood
