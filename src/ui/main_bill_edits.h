#pragma once

#include "quote/bill_edits.h"

#include <QPointer>

class Database;
class Prompts;
class Tmainfm;
class Totherfm;

// The main window's hand edits of the bill: the statistics table's context menu and
// double-click, the price, accessory and non-display item windows, and the picker's
// "修改价格" and "直接加入统计表".
class MainBillEdits {
public:
    MainBillEdits(Tmainfm& window, BillOfMaterials& bill, Database& library);

    BillEdits& edits() { return edits_; }
    // The open "非显示物件" window, or null.
    Totherfm* itemsWindow() const;

private:
    void editProductPrice(const ProductPriceChoice& choice);
    void editAccessories();
    void showItems();
    void editPickerPrice();
    void addPickerProduct();

    Tmainfm& window_;
    BillEdits edits_;
    QPointer<Totherfm> itemsWindow_;
};
