#pragma once

#include "catalogue/catalogue_tables.h"

#include <QImage>

// The kind code whose pictures a motif draws.
int kindOfMotif(Motif motif);

// Draws a product's picture at 1 pixel per 5 mm, its width along x. Pictures of
// floating products, other products and marks have a uniform background of the look's
// base colour, the colour of pixel (1, 1), which is their transparent colour.
QImage drawProductPicture(const ProductEntry& product, quint32 seed);
