#include "quote/bill_edits.h"

#include "core/rounding.h"
#include "library/library_maintenance.h"
#include "library/product_library.h"
#include "quote/bill_of_materials.h"
#include "quote/open_project.h"

#include <cmath>

namespace {

double roundedPrice(double price) {
    return double(rounding::halfEven64(price * 100)) / 100;
}

} // namespace

BillEdits::BillEdits(OpenProject& project, BillOfMaterials& bill, Database& library)
    : project_(project), bill_(bill), library_(library) {}

MenuModel BillEdits::statisticsMenu(int row) {
    const std::vector<BillRow>& rows = bill_.table().rows();
    const BillRow* r = row >= 0 && row < int(rows.size()) ? &rows[std::size_t(row)] : nullptr;
    const qint32 tag = r ? r->tag : -1;
    MenuModel menu;
    menu.add(QStringLiteral("修改产品价格"), 0,
             [this, tag] {
                 if (const std::optional<ProductPriceChoice> choice = productPrice(tag);
                     choice && openProductPrice) {
                     openProductPrice(*choice);
                 }
             })
        .enabled = tag >= 0;
    menu.add(QStringLiteral("修改附件价格"), 0, [this] {
        if (openAccessories) {
            openAccessories();
        }
    });
    // The 修正 value says whether the product has items to adjust or gets its first one.
    const bool adjust = r && r->values.size() > 2 && !r->values[2].trimmed().isEmpty();
    const auto showItems = [this] {
        if (openItems) {
            openItems(true);
        }
    };
    MenuItem& correction =
        adjust ? menu.add(QStringLiteral("调整修正数据"), 0, showItems)
               : menu.add(QStringLiteral("添加修正数据"), 0, [this, tag, showItems] {
                     if (adda_other(tag, 1)) {
                         showItems();
                     }
                 });
    correction.enabled = r && r->values.size() > 3;
    std::optional<ProductRow> product;
    if (tag >= 0) {
        product = ProductLibrary(library_).product(tag);
    }
    const QString address = product ? product->infoUrl : QString();
    menu.add(QStringLiteral("产品详细信息"), 0,
             [this, address] {
                 if (openAddress) {
                     openAddress(address);
                 }
             })
        .enabled = !address.isEmpty();
    return menu;
}

void BillEdits::rowDoubleClicked(int row) {
    const std::vector<BillRow>& rows = bill_.table().rows();
    if (row < 0 || row >= int(rows.size())) {
        return;
    }
    const qint32 tag = rows[std::size_t(row)].tag;
    if (tag == -1) {
        return;
    }
    if (tag < 0) {
        if (openAccessories) {
            openAccessories();
        }
    } else if (const std::optional<ProductPriceChoice> choice = productPrice(tag);
               choice && openProductPrice) {
        openProductPrice(*choice);
    }
}

std::optional<ProductPriceChoice> BillEdits::productPrice(qint32 id) const {
    const std::optional<ProductRow> product = ProductLibrary(library_).product(id);
    if (!product) {
        return std::nullopt;
    }
    ProductPriceChoice choice{id, product->title, product->picture, roundedPrice(product->price)};
    for (const Ppdu_id& line : project_.price_list) {
        if (line.id == id) {
            choice.price = line.price;
            return choice;
        }
    }
    for (const otherrec& item : project_.other_list) {
        if (item.id == id) {
            choice.price = item.price;
            return choice;
        }
    }
    return choice;
}

void BillEdits::setProductPrice(qint32 id, double price, bool alsoLibrary) {
    bool set = false;
    for (Ppdu_id& line : project_.price_list) {
        if (!set && line.id == id) {
            line.price = price;
            set = true;
        }
    }
    for (otherrec& item : project_.other_list) {
        if (!set && item.id == id) {
            item.price = price;
            set = true;
        }
    }
    if (alsoLibrary) {
        LibraryMaintenance(library_).setPrice(id, price);
    }
    project_.fieldChanged();
    bill_.total();
}

void BillEdits::setLibraryPrice(qint32 id, double price) {
    LibraryMaintenance(library_).setPrice(id, price);
}

void BillEdits::setAccessories(const CustomerRecord& values) {
    CustomerRecord& c = project_.customer;
    for (double CustomerRecord::*value :
         {&CustomerRecord::keelLength, &CustomerRecord::keelPrice,
          &CustomerRecord::triangleKeelLength, &CustomerRecord::triangleKeelPrice,
          &CustomerRecord::connectors, &CustomerRecord::hangers, &CustomerRecord::installationFee,
          &CustomerRecord::shoubianPrice}) {
        c.*value = values.*value;
    }
    c.autoShoubian = values.autoShoubian;
    project_.fieldChanged();
    bill_.total();
}

bool BillEdits::adda_other(qint32 id, qint32 quantity) {
    QList<otherrec>& items = project_.other_list;
    auto found = std::find_if(items.begin(), items.end(),
                              [id](const otherrec& item) { return item.id == id; });
    if (found == items.end()) {
        const std::optional<ProductRow> product = ProductLibrary(library_).productWithCategory(id);
        if (!product) {
            return false;
        }
        otherrec item;
        item.id = id;
        item.title = product->title;
        item.danwei = product->unit;
        item.style = product->kind;
        item.price = roundedPrice(product->price);
        item.cailiao_id = product->categoryId;
        items.append(item);
        found = items.end() - 1;
    }
    found->number += quantity;
    project_.fieldChanged();
    return true;
}

void BillEdits::edita_other(qint32 id, double number) {
    QList<otherrec>& items = project_.other_list;
    const auto found = std::find_if(items.begin(), items.end(),
                                    [id](const otherrec& item) { return item.id == id; });
    if (found != items.end()) {
        found->number = qint32(std::trunc(number));
    }
    project_.fieldChanged();
}

void BillEdits::deletea_other(qint32 id) {
    QList<otherrec>& items = project_.other_list;
    const auto found = std::find_if(items.begin(), items.end(),
                                    [id](const otherrec& item) { return item.id == id; });
    if (found != items.end()) {
        items.erase(found);
    }
}

std::vector<OtherItemEntry> BillEdits::show_other() {
    QList<otherrec>& items = project_.other_list;
    items.removeIf([](const otherrec& item) { return item.number == 0; });
    std::vector<OtherItemEntry> entries;
    for (const otherrec& item : items) {
        entries.push_back({item.title, item.number, item.danwei, item.id});
    }
    return entries;
}

void BillEdits::itemsConfirmed() {
    bill_.total();
}
