#pragma once

#include "catalogue/catalogue_tables.h"

class QImage;

// Paints a drawing mark (arrow, centre point, access hatch, level) on the picture's
// background colour (the transparent colour), without antialiasing.
void paintMark(QImage& image, const Look& look);
