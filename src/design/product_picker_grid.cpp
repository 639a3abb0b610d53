#include "design/product_picker.h"

#include "platform/decimal_text.h"
#include "platform/picture.h"

#include <algorithm>

bool ProductPicker::loadProducts() {
    forgetSelection();
    if (sub_.selected < 0) {
        emptyGrid();
        return true;
    }
    std::vector<ProductRow> products;
    if (!guarded([&] { products = library_.productsOfSubCategory(sub_.selectedId(), filter); })) {
        return false;
    }
    fillGrid(products);
    return true;
}

void ProductPicker::emptyGrid() {
    fillGrid({});
}

void ProductPicker::fillGrid(const std::vector<ProductRow>& products) {
    rows_.clear();
    rows_.emplace_back(); // row 0, 0 pixels high
    selectedRow_ = -1;
    geometry_ = {};
    for (const ProductRow& product : products) {
        QImage image = picture::readBmp(product.picture);
        if (image.isNull()) {
            rows_.emplace_back();
            geometry_.rowHeights.push_back(EmptyRowHeight);
            continue;
        }
        Tpiclist record;
        record.picture = image;
        record.title = product.title;
        record.width = decimalText(product.width);
        record.height = decimalText(product.height);
        record.id = product.id;
        record.kind = product.kind;
        record.price = product.price;
        record.status = product.status;
        record.informationAddress = product.infoUrl.trimmed();
        geometry_.rowHeights.push_back(image.height() + PictureRowMargin);
        geometry_.pictureColumnWidth =
            std::max(geometry_.pictureColumnWidth, image.width() + PictureRowMargin);
        rows_.push_back(std::move(record));
    }
    geometry_.pickerWidth =
        geometry_.pictureColumnWidth <= 140 ? 165 : geometry_.pictureColumnWidth + 10;
}

const Tpiclist* ProductPicker::record(int row) const {
    if (row < 0 || row >= int(rows_.size()) || !rows_[row]) {
        return nullptr;
    }
    return &*rows_[row];
}

void ProductPicker::setRecordPrice(int row, double price) {
    if (row >= 0 && row < int(rows_.size()) && rows_[row]) {
        rows_[row]->price = price;
    }
}

PickerGridFit ProductPicker::fit(int gridWidth) const {
    const int column = geometry_.pictureColumnWidth;
    if (gridWidth < column + 20) {
        return {column + 10, 0};
    }
    return {geometry_.pickerWidth, std::max(0, (gridWidth - column - 20) / 2)};
}
