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
#include <QMainWindow>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <utility>

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
    // A discount below the lowest allowed becomes the lowest, not the one before.
    discount_->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    // A tool button: skins draw its checked state, so the lock shows as pressed.
    lock_ = new QToolButton(this);
    lock_->setText(QStringLiteral("锁定金额"));
    lock_->setObjectName(QStringLiteral("lockAmount"));
    lock_->setCheckable(true);
    money->addWidget(new QLabel(QStringLiteral("项目金额："), this));
    money->addWidget(amount_);
    money->addWidget(discountLabel_);
    money->addWidget(discount_);
    money->addWidget(lock_);
    cutting_ = new QPushButton(QStringLiteral("下料单"), this);
    cutting_->setObjectName(QStringLiteral("cuttingList"));
    money->addWidget(cutting_);
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
    connect(discount_->findChild<QLineEdit*>(), &QLineEdit::textEdited, this,
            [this](const QString& text) { typedDiscount_ = text; });
    connect(discount_, &QSpinBox::editingFinished, this, [this] { discountTyped(); });
    connect(lock_, &QToolButton::clicked, this, [this](bool down) { lockClicked(down); });
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
    showing_ = false;
    showDiscount();
}

void CustomerPage::showDiscount() {
    const CustomerRecord& c = project_.customer;
    const bool wasShowing = std::exchange(showing_, true);
    discount_->setRange(held_.discount.minimum, 100);
    discount_->setValue(c.zk == 0 ? 100 : c.zk);
    discountLabel_->setVisible(held_.discount.visible);
    discount_->setVisible(held_.discount.visible);
    showing_ = wasShowing;
}

bool CustomerPage::offersArea(const QString& title) const {
    return fields_->offersArea(title);
}

void CustomerPage::discountTyped() {
    const QString typed = std::exchange(typedDiscount_, QString());
    bool number = false;
    const int value = QString(typed).remove(u'%').trimmed().toInt(&number);
    if (number && value < discount_->minimum()) {
        notice(QStringLiteral("折扣不能低于最低折扣%1%，已改为%1%").arg(discount_->minimum()));
    }
}

// In the main window's status bar; elsewhere beside the discount field.
void CustomerPage::notice(const QString& text) {
    if (auto* main = qobject_cast<QMainWindow*>(window())) {
        main->statusBar()->showMessage(text, 10000);
    } else {
        QToolTip::showText(discount_->mapToGlobal(QPoint()), text, discount_);
    }
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
