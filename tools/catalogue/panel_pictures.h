#pragma once

#include "catalogue/catalogue_tables.h"

class QImage;

// Paints a square clip-in panel's pattern over the whole picture; `seed` makes the
// random grain of brushed, marble and star panels repeatable.
void paintSquarePanel(QImage& image, const Look& look, quint32 seed);
