// The customer browser's commands: new, open, edit and delete a customer, rename and
// import a room, search, the area filter and the list export.

#include "platform/prompts.h"
#include "quote/customer_defaults.h"
#include "quote/new_customer.h"
#include "quote/startup_session.h"
#include "store/area_names.h"
#include "store/customer_browser.h"
#include "store/customer_store.h"
#include "store/customer_workbook.h"
#include "ui/tuserfm.h"
#include "ui/tuserinfor.h"

#include <QComboBox>
#include <QListWidget>
#include <QTableView>

std::optional<std::pair<qint32, QString>> TUserFM::newCustomer() {
    reloadAreas();
    HeldSettings& held = session_.held();
    Tuserinfor form(isVisible() ? static_cast<QWidget*>(this) : parentWidget());
    const std::optional<CustomerRecord> entered =
        form.ask(::newCustomer(held), nextProjectNumber(held), areas_, handlers_);
    if (!entered) {
        return std::nullopt;
    }
    const qint32 id = createCustomer(store_, held, session_.setup(), *entered);
    if (isVisible()) {
        browser_->listNew(id);
    }
    return std::pair{id, entered->name.trimmed()};
}

void TUserFM::openCustomer() {
    const qint32 id = selectedCustomer();
    if (id >= 0 && onOpen && onOpen(id)) {
        accept();
    }
}

void TUserFM::editCustomer() {
    const qint32 id = selectedCustomer();
    std::optional<CustomerRecord> stored = store_.customer(id);
    if (!stored || stored->compid != session_.held().company.compid) {
        prompts_.message(QStringLiteral("未发现记录!"));
        return;
    }
    Tuserinfor form(this);
    std::optional<CustomerRecord> edited = form.ask(*stored, stored->proid, areas_, handlers_);
    if (!edited) {
        return;
    }
    edited->areaId = areaNamed(store_, edited->areaTitle);
    edited->worker = store_.workerId(edited->workerName);
    if (!store_.updateCustomer(*edited)) {
        // Another seat saved the customer while the form was open.
        prompts_.message(QStringLiteral("该客户已被其他用户修改，请重新打开后再修改。"));
        return;
    }
    browser_->relist(id);
}

void TUserFM::deleteCustomer() {
    const qint32 id = selectedCustomer();
    const int row = browser_->list().rowOf(id);
    if (row < 0 || !prompts_.confirm(QStringLiteral("是否删除客户") +
                                     browser_->list().text(row, CustomerListModel::Name) +
                                     QStringLiteral("及其所有房间 ？"))) {
        return;
    }
    browser_->deleteCustomer(id);
    showSelection();
}

void TUserFM::renameRoom() {
    const qint32 room = selectedRoom();
    QListWidgetItem* item = rooms_->currentItem();
    if (room < 0) {
        return;
    }
    const std::optional<QString> title = prompts_.inputText(
        QStringLiteral("房间名称更改"), QStringLiteral("请输入新名称"), item->text());
    if (!title) {
        return;
    }
    browser_->renameRoom(room, *title);
    item->setText(title->trimmed());
}

void TUserFM::importRoom() {
    const qint32 room = selectedRoom();
    if (roomImport_ && room >= 0 && onImportRoom) {
        onImportRoom(room);
    }
}

void TUserFM::exportList() {
    exportCustomerList(browser_->list(), prompts_, session_.path(QStringLiteral("导出文件")));
}

void TUserFM::searchClicked() {
    browser_->search(searchText_->currentText(), SearchField(searchField_->currentIndex()),
                     searchArea_->currentText());
    const QString text = searchText_->currentText();
    searchText_->clear();
    searchText_->addItems(browser_->history());
    searchText_->setCurrentText(text);
    showList();
}

void TUserFM::areaClicked(int row) {
    searchArea_->setCurrentIndex(row);
    browser_->filterArea(areaPanel_->item(row)->text());
    showList();
}
