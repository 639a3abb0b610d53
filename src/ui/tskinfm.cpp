#include "ui/tskinfm.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

Tskinfm::Tskinfm(const QString& programFolder, QWidget* parent)
    : QDialog(parent), skins_(programFolder) {
    setWindowTitle(QStringLiteral("换肤"));
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("sListBox1"));
    list_->addItems(skins_.skins());
    list_->setMinimumSize(220, 180);
    layout->addWidget(list_);
    auto* buttons = new QHBoxLayout;
    auto* apply = new QPushButton(QStringLiteral("应用"), this);
    auto* off = new QPushButton(QStringLiteral("关闭皮肤"), this);
    off->setObjectName(QStringLiteral("sButton3"));
    buttons->addStretch();
    buttons->addWidget(apply);
    buttons->addWidget(off);
    layout->addLayout(buttons);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { sListBox1DblClick(); });
    connect(apply, &QPushButton::clicked, this, [this] { sListBox1DblClick(); });
    connect(off, &QPushButton::clicked, this, [this] { sButton3Click(); });
    FormCreate();
}

void Tskinfm::FormCreate() {
    if (skins_.skins().isEmpty()) {
        return;
    }
    const int position = skins_.storedPosition();
    list_->setCurrentRow(position - 1);
    if (skins_.storedUseSkin()) {
        activate(position);
    }
}

void Tskinfm::sListBox1DblClick() {
    const int position = list_->currentRow() + 1;
    if (position < 1) {
        return;
    }
    activate(position);
    skins_.remember(position);
}

void Tskinfm::sButton3Click() {
    qApp->setStyleSheet(QString());
    active_ = 0;
}

void Tskinfm::activate(int position) {
    const QString sheet = skins_.styleSheet(position);
    if (sheet.isEmpty()) {
        return;
    }
    qApp->setStyleSheet(sheet);
    active_ = position;
}
