#include "ui/customer_chooser.h"

#include "store/customer_store.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QTreeWidget* makeList(QWidget* parent, const char* name, const QStringList& headers) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setRootIsDecorated(false);
    list->setHeaderLabels(headers);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return list;
}

} // namespace

CustomerChooser::CustomerChooser(CustomerStore& store, int compid, QWidget* parent)
    : QDialog(parent), store_(store), compid_(compid) {
    setObjectName(QStringLiteral("customerChooser"));
    setWindowTitle(QStringLiteral("打开客户"));
    resize(720, 520);
    auto* layout = new QVBoxLayout(this);
    customers_ =
        makeList(this, "customers",
                 {QStringLiteral("项目编号"), QStringLiteral("用户名"), QStringLiteral("电话"),
                  QStringLiteral("地址"), QStringLiteral("设计日期")});
    rooms_ = makeList(this, "rooms", {QStringLiteral("房间")});
    auto* buttons = new QDialogButtonBox(this);
    open_ = buttons->addButton(QStringLiteral("打开"), QDialogButtonBox::AcceptRole);
    importRoom_ = buttons->addButton(QStringLiteral("导入房间"), QDialogButtonBox::ActionRole);
    importRoom_->setObjectName(QStringLiteral("importRoom"));
    buttons->addButton(QStringLiteral("关闭"), QDialogButtonBox::RejectRole);
    layout->addWidget(customers_, 3);
    layout->addWidget(rooms_, 2);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (selectedId(customers_) >= 0) {
            accept();
        }
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(customers_, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (open_->isVisible()) {
            accept();
        }
    });
    connect(customers_, &QTreeWidget::itemSelectionChanged, this, [this] { fillRooms(); });
    connect(importRoom_, &QPushButton::clicked, this, [this] {
        const int room = selectedId(rooms_);
        if (room >= 0 && import_) {
            import_(room);
        }
    });
}

void CustomerChooser::fillCustomers() {
    customers_->clear();
    for (const CustomerRecord& c : store_.customersOfCompany(compid_)) {
        const QString date = c.designdate.isValid() && c.designdate.date().year() > 1899
                                 ? c.designdate.date().toString(QStringLiteral("yyyy-MM-dd"))
                                 : QString();
        auto* item = new QTreeWidgetItem(customers_, {c.proid, c.name, c.tele, c.addr, date});
        item->setData(0, Qt::UserRole, c.id);
    }
    if (customers_->topLevelItemCount() > 0) {
        customers_->setCurrentItem(customers_->topLevelItem(0));
    }
}

void CustomerChooser::fillRooms() {
    rooms_->clear();
    const int customer = selectedId(customers_);
    if (customer < 0 || !import_) {
        return;
    }
    for (const RoomRecord& room : store_.roomsOf(customer, false)) {
        auto* item = new QTreeWidgetItem(rooms_, {room.title});
        item->setData(0, Qt::UserRole, room.id);
    }
}

int CustomerChooser::selectedId(const QTreeWidget* list) const {
    const QTreeWidgetItem* item = list->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : -1;
}

int CustomerChooser::chooseCustomer() {
    rooms_->hide();
    importRoom_->hide();
    open_->show();
    fillCustomers();
    return exec() == QDialog::Accepted ? selectedId(customers_) : -1;
}

void CustomerChooser::chooseRooms(const std::function<void(int)>& import) {
    import_ = import;
    rooms_->show();
    importRoom_->show();
    open_->hide();
    fillCustomers();
    fillRooms();
    exec();
    import_ = nullptr;
}
