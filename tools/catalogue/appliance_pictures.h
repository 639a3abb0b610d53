#pragma once

#include "catalogue/catalogue_tables.h"

class QImage;

// Paints an embedded appliance on its panel: lamps with a bright disc or tube, an
// exhaust fan with blades, a bath heater with its bulbs and a panel light.
void paintAppliance(QImage& image, const Look& look);
