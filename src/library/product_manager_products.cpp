#include "library/product_manager.h"

#include "library/price_file.h"
#include "platform/picture.h"
#include "platform/prompts.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString PriceFileTitle = QStringLiteral("数据库备份-价格备份");

} // namespace

bool ProductManager::addProduct() {
    if (!gridMenuPresent() || !editProduct) {
        return false;
    }
    const std::optional<CustomProductValues> values = editProduct(CustomProductValues{});
    if (!values) {
        return false;
    }
    const int id = ids_.take(CustomIds::Product, library_.highestId(QStringLiteral("pic")));
    library_.insertProduct(id, subCategory_, *values);
    if (products_ == 0) {
        // The grid's one empty row takes the first product.
        rows_.clear();
        heights_.clear();
    }
    ProductRow product;
    product.id = id;
    product.subCategoryId = subCategory_;
    product.title = values->name;
    product.kind = values->kind;
    product.width = values->width;
    product.height = values->height;
    product.infoUrl = values->infoAddress;
    product.picture = values->picture;
    appendRow(product);
    return true;
}

bool ProductManager::editRow(int index) {
    Tpicbit* bit = editable(index);
    if (!bit || !editProduct) {
        return false;
    }
    const CustomProductValues before{
        picture::writeBmp(bit->picture), bit->title, bit->widthText.toInt(),
        bit->heightText.toInt(),         bit->kind,  bit->infoUrl};
    const std::optional<CustomProductValues> after = editProduct(before);
    if (!after) {
        return false;
    }
    library_.updateProduct(bit->id, *after);
    bit->picture = picture::readBmp(after->picture);
    bit->title = after->name;
    bit->widthText = QString::number(after->width);
    bit->heightText = QString::number(after->height);
    bit->kind = after->kind;
    bit->infoUrl = after->infoAddress.trimmed();
    fitRow(index);
    return true;
}

bool ProductManager::deleteRow(int index) {
    const Tpicbit* bit = row(index);
    if (!bit || !prompts_.confirm(QStringLiteral("删除当前选择的产品？"))) {
        return false;
    }
    library_.deleteProduct(bit->id);
    rows_[index].reset();
    heights_[index] = 0;
    return true;
}

QString ProductManager::backupFolder() const {
    const QString folder = folder_ + QStringLiteral("/备份文件");
    QDir().mkpath(folder);
    return folder;
}

void ProductManager::exportPrices() {
    QString path =
        prompts_.chooseSaveFile(PriceFileTitle, backupFolder(), QString::fromUtf8(PriceFilter));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".design");
    }
    prompts_.message(price_file::exportPrices(reader_.database(), path)
                         ? QStringLiteral("成功导出产品价格!")
                         : QStringLiteral("导出产品价格失败!"));
}

void ProductManager::importPrices(WorkProgress& progress) {
    const QString path =
        prompts_.chooseOpenFile(PriceFileTitle, backupFolder(), QString::fromUtf8(PriceFilter));
    if (path.isEmpty()) {
        return;
    }
    switch (price_file::importPrices(reader_.database(), path, progress)) {
    case price_file::ImportOutcome::Imported:
        prompts_.message(QStringLiteral("成功导入产品价格!"));
        break;
    case price_file::ImportOutcome::Failed:
        prompts_.message(QStringLiteral("导入产品价格失败!"));
        break;
    case price_file::ImportOutcome::Cancelled:
        break;
    }
}
