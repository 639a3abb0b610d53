#include "core/troom_obj.h"

#include "core/tpic_rec.h"
#include "design/grid_cell_range.h"

// A covered cell holds -(anchor column * 1000 + anchor row). Rows run 1..1000, so the
// value is read back with the row in 1..1000: an anchor in row 1000 would otherwise read
// as row 0 of the next column.
qint32 TRoom_OBJ::coveredCellValue(GridCell anchor) {
    return -(anchor.column * 1000 + anchor.row);
}

GridCell TRoom_OBJ::coveredCellAnchor(qint32 value) {
    const qint64 reference = -qint64(value) - 1;
    if (reference < 0) {
        return {};
    }
    return {int(reference / 1000), int(reference % 1000) + 1};
}

bool TRoom_OBJ::placePanel(GridCell at, int orientation) {
    // The orientation is the units digit of the cell attribute.
    if (!isGridCell(at) || currentProduct.id < 0 || orientation < 0 || orientation > 3) {
        return false;
    }
    const tpic_rec* product = productLookup(currentProduct.id, orientation);
    if (!product || !spanTest(at, product->width, product->height).fits) {
        return false;
    }
    if (cell(at.column, at.row) != -1) {
        removePanel(at);
    }
    // The other cells of the block become covered cells when the grid is next
    // normalised; until then a later placement may anchor in them.
    cell(at.column, at.row) = currentProduct.id;
    cellAttribute(at.column, at.row) = quint8(orientation);
    roomChanged = true;
    return true;
}

bool TRoom_OBJ::removePanel(GridCell at) {
    if (!isGridCell(at)) {
        return false;
    }
    const qint32 value = cell(at.column, at.row);
    if (value == -1) {
        return false;
    }
    const GridCell anchor = value >= 0 ? at : coveredCellAnchor(value);
    if (!isGridCell(anchor) || cell(anchor.column, anchor.row) < 0) {
        return false;
    }
    // The block as far as its covered cells have been written.
    const qint32 covered = coveredCellValue(anchor);
    int columns = 1;
    while (anchor.column + columns <= LastCell &&
           cell(anchor.column + columns, anchor.row) == covered) {
        ++columns;
    }
    int rows = 1;
    while (anchor.row + rows <= LastCell && cell(anchor.column, anchor.row + rows) == covered) {
        ++rows;
    }
    const qint32 product = cell(anchor.column, anchor.row);
    if (const int counted = panelContribution(anchor)) {
        addQuantity(product, -counted);
    }
    for (int c = anchor.column; c < anchor.column + columns; ++c) {
        for (int r = anchor.row; r < anchor.row + rows; ++r) {
            cell(c, r) = -1;
        }
    }
    roomChanged = true;
    return true;
}
