#pragma once

#include "catalogue/catalogue_tables.h"

class QImage;

// Paints one tile of a strip panel: the strip runs along x, its width is the picture's
// height. Grooves mark the strip's edges and, on wide strips, its decorative lines.
void paintStrip(QImage& image, const Look& look, quint32 seed);
