#include "ui/totherfm.h"

#include "quote/bill_edits.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int IdRole = Qt::UserRole;

} // namespace

Totherfm::Totherfm(BillEdits& edits, QWidget* parent) : QDialog(parent), edits_(edits) {
    setObjectName(QStringLiteral("otherfm"));
    setWindowTitle(QStringLiteral("非显示物件"));
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("items"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels(
        {QStringLiteral("名称"), QStringLiteral("数量"), QStringLiteral("单位")});
    name_ = new QLabel(QStringLiteral("名称："), this);
    name_->setObjectName(QStringLiteral("itemName"));
    quantity_ = new QSpinBox(this);
    quantity_->setObjectName(QStringLiteral("quantity"));
    quantity_->setRange(-999999, 999999);
    delete_ = new QPushButton(QStringLiteral("删除"), this);
    delete_->setObjectName(QStringLiteral("deleteItem"));
    delete_->setAutoDefault(false);
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("confirm"));
    ok->setAutoDefault(false);

    auto* side = new QVBoxLayout;
    side->addWidget(name_);
    auto* quantityRow = new QHBoxLayout;
    quantityRow->addWidget(new QLabel(QStringLiteral("数量："), this));
    quantityRow->addWidget(quantity_, 1);
    side->addLayout(quantityRow);
    side->addWidget(new QLabel(QStringLiteral("数量为负数表示退货"), this));
    side->addStretch(1);
    side->addWidget(delete_);
    side->addWidget(ok);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(side);

    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] { selectionChanged(); });
    connect(quantity_, &QSpinBox::valueChanged, this,
            [this](int value) { quantityChanged(value); });
    connect(quantity_->findChild<QLineEdit*>(), &QLineEdit::returnPressed, this,
            [this] { confirm(); });
    connect(delete_, &QPushButton::clicked, this, [this] { deleteClicked(); });
    connect(ok, &QPushButton::clicked, this, [this] { confirm(); });
    refill();
}

void Totherfm::refill() {
    filling_ = true;
    list_->clear();
    for (const OtherItemEntry& entry : edits_.show_other()) {
        auto* item =
            new QTreeWidgetItem(list_, {entry.title, QString::number(entry.number), entry.unit});
        item->setData(0, IdRole, entry.id);
    }
    filling_ = false;
    selectionChanged();
}

void Totherfm::selectionChanged() {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    QTreeWidgetItem* item = selected.isEmpty() ? nullptr : selected.first();
    quantity_->setEnabled(item != nullptr);
    delete_->setEnabled(item != nullptr);
    if (!item) {
        name_->setText(QStringLiteral("名称："));
        return;
    }
    name_->setText(QStringLiteral("名称：") + item->text(0));
    const QSignalBlocker quiet(quantity_);
    quantity_->setValue(item->text(1).toInt());
}

void Totherfm::quantityChanged(int value) {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (filling_ || selected.isEmpty()) {
        return;
    }
    QTreeWidgetItem* item = selected.first();
    edits_.edita_other(item->data(0, IdRole).toInt(), value);
    item->setText(1, QString::number(value));
}

void Totherfm::deleteClicked() {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    QTreeWidgetItem* item = selected.first();
    edits_.deletea_other(item->data(0, IdRole).toInt());
    delete item;
    selectionChanged();
}

void Totherfm::confirm() {
    edits_.itemsConfirmed();
    accept();
}
