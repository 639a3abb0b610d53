#include "catalogue/product_picture.h"

#include "catalogue/appliance_pictures.h"
#include "catalogue/decor_pictures.h"
#include "catalogue/mark_pictures.h"
#include "catalogue/panel_pictures.h"
#include "catalogue/part_pictures.h"
#include "catalogue/picture_helpers.h"
#include "catalogue/strip_pictures.h"
#include "library/product_library.h"

int kindOfMotif(Motif motif) {
    if (motif <= Motif::Matte) {
        return KindSquarePanel;
    }
    if (motif <= Motif::MirrorStrip) {
        return KindStrip;
    }
    if (motif <= Motif::PanelLight) {
        return KindAppliance;
    }
    if (motif <= Motif::Cloud) {
        return KindFloating;
    }
    if (motif <= Motif::ThreadedRod) {
        return KindOther;
    }
    return KindMark;
}

QImage drawProductPicture(const ProductEntry& product, quint32 seed) {
    QImage image = blankPicture(product.widthMm, product.heightMm, product.look.base);
    switch (kindOfMotif(product.look.motif)) {
    case KindSquarePanel:
        paintSquarePanel(image, product.look, seed);
        break;
    case KindStrip:
        paintStrip(image, product.look, seed);
        break;
    case KindAppliance:
        paintAppliance(image, product.look);
        break;
    case KindFloating:
        paintFloating(image, product.look);
        break;
    case KindOther:
        paintInstallationPart(image, product.look);
        break;
    default:
        paintMark(image, product.look);
        break;
    }
    return image;
}
