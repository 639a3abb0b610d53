#include "ui/main_bill_edits.h"

#include "design/product_picker.h"
#include "platform/decimal_text.h"
#include "platform/default_opener.h"
#include "quote/open_project.h"
#include "ui/customer_page.h"
#include "ui/menu_entries.h"
#include "ui/product_picker_panel.h"
#include "ui/tfjpricefm.h"
#include "ui/tmainfm.h"
#include "ui/tnewpricefm.h"
#include "ui/totherfm.h"

#include <QLabel>
#include <QMenu>
#include <QTableView>

MainBillEdits::MainBillEdits(Tmainfm& window, BillOfMaterials& bill, Database& library)
    : window_(window), edits_(window.project(), bill, library) {
    edits_.openProductPrice = [this](const ProductPriceChoice& choice) {
        editProductPrice(choice);
    };
    edits_.openAccessories = [this] { editAccessories(); };
    edits_.openItems = [this](bool) { showItems(); };
    edits_.openAddress = [](const QString& address) { opener::openWithDefaultHandler(address); };

    QTableView* table = window.customerPage()->statisticsTable();
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(table, &QWidget::customContextMenuRequested, table, [this, table](QPoint at) {
        const int row = table->indexAt(at).row();
        if (row >= 0) {
            table->selectRow(row);
        }
        const MenuModel model = edits_.statisticsMenu(row);
        QMenu menu(table);
        addMenuEntries(menu, model.items);
        menu.exec(table->viewport()->mapToGlobal(at));
    });
    QObject::connect(table, &QAbstractItemView::doubleClicked, table,
                     [this](const QModelIndex& index) { edits_.rowDoubleClicked(index.row()); });

    ProductPickerPanel& picker = *window.productPicker();
    picker.priceEdit = [this] { editPickerPrice(); };
    picker.addToStatistics = [this] { addPickerProduct(); };
}

Totherfm* MainBillEdits::itemsWindow() const {
    return itemsWindow_.data();
}

void MainBillEdits::editProductPrice(const ProductPriceChoice& choice) {
    Tnewpricefm dialog(&window_);
    if (const std::optional<Tnewpricefm::Answer> answer = dialog.ask(choice, true)) {
        edits_.setProductPrice(choice.id, answer->price, answer->alsoLibrary);
    }
}

void MainBillEdits::editAccessories() {
    Tfjpricefm dialog(&window_);
    if (const std::optional<CustomerRecord> values = dialog.ask(window_.project().customer)) {
        edits_.setAccessories(*values);
    }
}

// The window is modal: opened when closed, refilled when already open.
void MainBillEdits::showItems() {
    if (itemsWindow_) {
        itemsWindow_->refill();
        return;
    }
    Totherfm dialog(edits_, &window_);
    itemsWindow_ = &dialog;
    dialog.exec();
}

void MainBillEdits::editPickerPrice() {
    ProductPicker& picker = window_.productPicker()->picker();
    const int row = picker.selectedRow();
    const Tpiclist* product = picker.record(row);
    if (!product) {
        return;
    }
    ProductPriceChoice choice;
    if (const std::optional<ProductPriceChoice> known = edits_.productPrice(product->id)) {
        choice = *known;
    }
    choice.id = product->id;
    choice.title = product->title;
    choice.price = product->price;
    Tnewpricefm dialog(&window_);
    const std::optional<Tnewpricefm::Answer> answer = dialog.ask(choice, false);
    if (!answer) {
        return;
    }
    edits_.setLibraryPrice(product->id, answer->price);
    picker.setRecordPrice(row, answer->price);
    window_.statusPanel(3)->setText(QStringLiteral("价：") + roundedText(answer->price, 2) +
                                    QStringLiteral("元"));
}

void MainBillEdits::addPickerProduct() {
    ProductPicker& picker = window_.productPicker()->picker();
    const Tpiclist* product = picker.record(picker.selectedRow());
    if (product && edits_.adda_other(product->id, 1)) {
        showItems();
    }
}
