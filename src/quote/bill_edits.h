#pragma once

#include "core/menu_model.h"
#include "store/customer_record.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class BillOfMaterials;
class Database;
class OpenProject;

// What the product price dialog shows for one product.
struct ProductPriceChoice {
    qint32 id = 0;
    QString title;
    QByteArray picture; // the library's BMP file, or empty
    double price = 0;   // the project's price, else the library's to two decimals
};

// One entry of the non-display items list: "名称", "数量", "单位", carrying the product id.
struct OtherItemEntry {
    QString title;
    qint32 number = 0;
    QString unit;
    qint32 id = 0;
};

// The hand edits of the bill: project and library prices, the project's accessory
// parameters and the non-display items, and the statistics table's context menu. Every
// edit but deleting an item marks the project edited; the price and accessory edits end
// with a statistics pass, the items dialog runs one when confirmed.
class BillEdits {
public:
    BillEdits(OpenProject& project, BillOfMaterials& bill, Database& library);

    // The context menu over table row `row` (-1: none), built as it opens.
    MenuModel statisticsMenu(int row);
    // Heading or total: nothing; an accessory: the accessory edit; a product: its price.
    void rowDoubleClicked(int row);

    // The product price edit of a product id; none when the library lacks it.
    std::optional<ProductPriceChoice> productPrice(qint32 id) const;
    // "确定": the bill line's price, or the non-display item's, becomes `price`; with
    // `alsoLibrary` the library's too.
    void setProductPrice(qint32 id, double price, bool alsoLibrary);
    // The picker's "修改价格": the library price only.
    void setLibraryPrice(qint32 id, double price);

    // "确定" of the accessory dialog: the eight values and the automatic edge trim of
    // `values` become the project's.
    void setAccessories(const CustomerRecord& values);

    // Adds `quantity` to the product's earliest non-display item, making it first from the
    // library; false, changing nothing, when the library lacks the product.
    bool adda_other(qint32 id, qint32 quantity);
    // The earliest item of the product gets Trunc(number); nothing without one.
    void edita_other(qint32 id, double number);
    // Removes the earliest item of the product; the project is not marked edited.
    void deletea_other(qint32 id);
    // Drops the items of quantity 0 and lists the rest in order.
    std::vector<OtherItemEntry> show_other();
    // "确定" of the items dialog.
    void itemsConfirmed();

    // The window's part of the commands.
    std::function<void(const ProductPriceChoice&)> openProductPrice;
    std::function<void()> openAccessories;
    // Non-display items changed: `show` opens the dialog (or refills it when open).
    std::function<void(bool show)> openItems;
    std::function<void(const QString& address)> openAddress;

private:
    OpenProject& project_;
    BillOfMaterials& bill_;
    Database& library_;
};
