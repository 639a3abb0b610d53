#include "library/product_manager.h"

#include "platform/picture.h"
#include "platform/prompts.h"

#include <algorithm>

namespace {

// The manager shows every status.
constexpr StatusFilter AllStatuses{false, false, false};

} // namespace

bool ProductManager::openSubCategory(int id) {
    if (!keepOrDropEdits()) {
        return false;
    }
    query_ = Query::SubCategory;
    subCategory_ = id;
    reload();
    return true;
}

bool ProductManager::search(const QString& text) {
    if (!keepOrDropEdits()) {
        return false;
    }
    query_ = Query::Search;
    subCategory_ = -1;
    searchText_ = text.trimmed();
    reload();
    return true;
}

bool ProductManager::keepOrDropEdits() {
    if (!unsaved_) {
        return true;
    }
    switch (prompts_.askThreeWay(QStringLiteral("产品数据已发生变化,是否保存?"))) {
    case Prompts::Yes:
        save();
        return true;
    case Prompts::No:
        unsaved_ = false;
        return true;
    case Prompts::Cancel:
        break;
    }
    return false;
}

void ProductManager::reload() {
    switch (query_) {
    case Query::SubCategory:
        loadRows(reader_.productsOfSubCategory(subCategory_, AllStatuses));
        break;
    case Query::Search:
        loadRows(reader_.searchByName(searchText_, AllStatuses));
        break;
    case Query::None:
        loadRows({});
        break;
    }
}

void ProductManager::emptyGrid() {
    query_ = Query::None;
    subCategory_ = -1;
    unsaved_ = false;
    loadRows({});
    found_.clear();
}

void ProductManager::loadRows(const std::vector<ProductRow>& products) {
    rows_.clear();
    heights_.clear();
    products_ = 0;
    pictureWidth_ = PictureColumnWidth;
    rows_.reserve(products.size());
    heights_.reserve(products.size());
    for (const ProductRow& product : products) {
        if (!appendRow(product)) {
            prompts_.message(QStringLiteral("2"));
            break;
        }
    }
    if (rows_.empty()) {
        rows_.emplace_back();
        heights_.push_back(EmptyRowHeight);
    }
    found_ = QStringLiteral("找到%1记录").arg(products_);
}

bool ProductManager::appendRow(const ProductRow& product) {
    if (product.picture.isEmpty()) {
        rows_.emplace_back();
        heights_.push_back(EmptyRowHeight);
        ++products_;
        return true;
    }
    QImage image = picture::readBmp(product.picture);
    if (image.isNull()) {
        return false;
    }
    Tpicbit bit;
    bit.picture = std::move(image);
    bit.title = product.title;
    bit.widthText = QString::number(product.width);
    bit.heightText = QString::number(product.height);
    bit.id = product.id;
    bit.kind = product.kind;
    bit.price = product.price;
    bit.status = product.status;
    bit.priceEditor = product.price;
    bit.statusBox = product.status;
    bit.unitEditor = product.unit;
    bit.infoUrl = product.infoUrl.trimmed();
    rows_.emplace_back(std::move(bit));
    heights_.push_back(0);
    fitRow(int(rows_.size()) - 1);
    ++products_;
    return true;
}

void ProductManager::fitRow(int index) {
    const Tpicbit* bit = row(index);
    if (!bit || bit->picture.isNull()) {
        heights_[index] = EmptyRowHeight;
        return;
    }
    heights_[index] = bit->picture.height() + PictureMargin;
    pictureWidth_ = std::max(pictureWidth_, bit->picture.width() + PictureMargin);
}

const Tpicbit* ProductManager::row(int index) const {
    if (index < 0 || index >= rowCount() || !rows_[index]) {
        return nullptr;
    }
    return &*rows_[index];
}

Tpicbit* ProductManager::editable(int index) {
    return const_cast<Tpicbit*>(row(index));
}

void ProductManager::setPrice(int index, double price) {
    Tpicbit* bit = editable(index);
    if (bit && bit->priceEditor != price) {
        bit->priceEditor = price;
        bit->edited = unsaved_ = true;
    }
}

void ProductManager::setStatusBox(int index, int status) {
    Tpicbit* bit = editable(index);
    if (bit && bit->statusBox != status) {
        bit->statusBox = status;
        bit->edited = unsaved_ = true;
    }
}

void ProductManager::setUnit(int index, const QString& unit) {
    Tpicbit* bit = editable(index);
    if (bit && bit->unitEditor != unit) {
        bit->unitEditor = unit;
        bit->edited = unsaved_ = true;
    }
}

void ProductManager::save() {
    std::vector<ProductEdit> edits;
    for (const std::optional<Tpicbit>& bit : rows_) {
        if (bit && bit->edited) {
            edits.push_back({bit->id, bit->priceEditor, bit->unitEditor, bit->statusBox});
        }
    }
    library_.saveEdits(edits);
    for (std::optional<Tpicbit>& bit : rows_) {
        if (bit && bit->edited) {
            bit->price = bit->priceEditor;
        }
    }
    unsaved_ = false;
}
