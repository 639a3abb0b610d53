#pragma once

#include "catalogue/catalogue_tables.h"

class QImage;

// Paints a floating decorative piece on the picture's background colour (the
// transparent colour), without antialiasing so that no edge pixel mixes with it.
void paintFloating(QImage& image, const Look& look);
