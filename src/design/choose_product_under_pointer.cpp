#include "core/troom_obj.h"

#include "core/tpic_rec.h"
#include "design/product_under_point.h"

void TRoom_OBJ::chooseProductUnderPointer(QPoint p) {
    const ProductUnderPoint found = productUnderPoint(*this, p);
    if (!found.object && (!found.cell || (roomstyle == SquarePanelRoom && found.id == -1))) {
        return;
    }
    currentProduct.id = found.id;
    currentProduct.orientation = quint8(found.orientation);
    const tpic_rec* product =
        found.object || found.id < 0 ? nullptr : productLookup(found.id, found.orientation);
    if (found.object || product) {
        currentProduct.kind =
            found.object ? objects[std::size_t(found.objectIndex)]->kind : product->kind;
        showSelectedProduct = true;
        // A product taken up is meant to be laid: the tools that cannot lay give way.
        if (tool == DesignViewTool || tool == DesignMoveSwap || tool == DesignDelete ||
            tool == DesignDeleteHeld) {
            rubberBand = true;
            setTool(DesignFreeFill);
        }
    } else {
        currentProduct.kind = 0;
    }
    recordStep();
}
