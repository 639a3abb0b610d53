#include "ui/customer_page.h"

#include "core/troom_obj.h"
#include "quote/bill_of_materials.h"
#include "quote/held_settings.h"
#include "quote/open_project.h"
#include "ui/customer_fields.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

CustomerPage::CustomerPage(OpenProject& project, BillOfMaterials& bill, const HeldSettings& held,
                           QWidget* parent)
    : QWidget(parent), project_(project), bill_(bill), held_(held) {
    setObjectName(QStringLiteral("customerFieldsPage"));
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    number_ = new QLabel(QStringLiteral("项目编号:"), this);
    number_->setObjectName(QStringLiteral("proidLabel"));
    fields_ = new CustomerFields(this);
    auto* money = new QHBoxLayout;
    amount_ = new QLineEdit(this);
    amount_->setObjectName(QStringLiteral("price"));
    discountLabel_ = new QLabel(QStringLiteral("折扣："), this);
    discount_ = new QSpinBox(this);
    discount_->setObjectName(QStringLiteral("zk"));
    discount_->setSuffix(QStringLiteral("%"));
    lock_ = new QPushButton(QStringLiteral("锁定金额"), this);
    lock_->setObjectName(QStringLiteral("lockAmount"));
    lock_->setCheckable(true);
    money->addWidget(new QLabel(QStringLiteral("项目金额："), this));
    money->addWidget(amount_);
    money->addWidget(discountLabel_);
    money->addWidget(discount_);
    money->addWidget(lock_);
    money->addStretch(1);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("statisticsTable"));
    table_->setModel(&bill_.table());
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    left->addWidget(number_);
    left->addWidget(fields_);
    left->addLayout(money);
    left->addWidget(table_, 1);

    auto* rooms = new QGroupBox(QStringLiteral("选择加入统计的房间"), this);
    auto* roomsLayout = new QVBoxLayout(rooms);
    roomChecks_ = new QListWidget(rooms);
    roomChecks_->setObjectName(QStringLiteral("roomChecks"));
    roomsLayout->addWidget(roomChecks_);
    rooms->setMaximumWidth(220);
    layout->addLayout(left, 1);
    layout->addWidget(rooms);

    fields_->onChanged = [this] {
        fields_->read(project_.customer);
        project_.fieldChanged();
    };
    fields_->onAreaChosen = [this](const QString& title) { project_.getareaID(title); };
    fields_->onHandlerChosen = [this](const QString& name) { project_.getworkerID(name); };
    connect(amount_, &QLineEdit::textEdited, this, [this](const QString& text) {
        project_.customer.price = text.toDouble();
        project_.fieldChanged();
    });
    connect(discount_, &QSpinBox::valueChanged, this, [this](int value) {
        if (!showing_) {
            bill_.discountChanged(value);
        }
    });
    connect(lock_, &QPushButton::clicked, this, [this](bool down) { lockClicked(down); });
    bill_.onAmountChanged = [this] { showAmount(); };
    connect(roomChecks_, &QListWidget::itemChanged, this, [this] {
        if (!showing_) {
            roomChecksClicked();
        }
    });
}

void CustomerPage::setChoices(const QStringList& areas, const QStringList& handlers) {
    fields_->setChoices(areas, handlers);
}

void CustomerPage::showCustomer() {
    const CustomerRecord& c = project_.customer;
    showing_ = true;
    number_->setText(QStringLiteral("项目编号:") + c.proid);
    fields_->show(c);
    showAmount();
    discount_->setRange(held_.discount.minimum, 100);
    discount_->setValue(c.zk == 0 ? 100 : c.zk);
    discountLabel_->setVisible(held_.discount.visible);
    discount_->setVisible(held_.discount.visible);
    showing_ = false;
}

void CustomerPage::showAmount() {
    const CustomerRecord& c = project_.customer;
    amount_->setText(QString::number(qint64(c.price)));
    amount_->setReadOnly(c.locked);
    const QSignalBlocker quiet(lock_);
    lock_->setChecked(c.locked);
}

// The button keeps its new position only when the question is answered yes.
void CustomerPage::lockClicked(bool down) {
    const bool accepted = bill_.lockToggled(down, discount_->value());
    const QSignalBlocker quiet(lock_);
    lock_->setChecked(accepted ? down : !down);
    amount_->setReadOnly(project_.customer.locked);
}

void CustomerPage::fillRoomChecks() {
    showing_ = true;
    roomChecks_->clear();
    for (const RoomEntry& entry : project_.room_list) {
        auto* item = new QListWidgetItem(entry.room->getName(), roomChecks_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(entry.room->not_Cacl ? Qt::Unchecked : Qt::Checked);
    }
    showing_ = false;
}

void CustomerPage::roomChecksClicked() {
    for (int i = 0; i < roomChecks_->count() && i < int(project_.room_list.size()); ++i) {
        project_.room_list[std::size_t(i)].room->not_Cacl =
            roomChecks_->item(i)->checkState() == Qt::Checked ? 0 : 1;
    }
    if (onRoomChecksChanged) {
        onRoomChecksChanged();
    }
}
