#pragma once

#include "catalogue/catalogue_tables.h"

class QImage;

// Paints an installation part (keels, hangers, connectors, trims, rods) on the
// picture's background colour (the transparent colour), without antialiasing.
void paintInstallationPart(QImage& image, const Look& look);
