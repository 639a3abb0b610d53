#pragma once

#include "platform/color.h"

#include <QImage>

#include <optional>

namespace product_picture {

// The picture turned clockwise by the orientation code: 1 a quarter turn, 2 a half turn,
// 3 three quarters; any other code leaves it as it is. The result is 32-bit RGB.
QImage turned(const QImage& picture, int orientation);

// The colour of pixel (1, 1), which a transparent picture leaves out; none when the
// picture is smaller than 2 x 2.
std::optional<TColor> transparentColor(const QImage& picture);

} // namespace product_picture
