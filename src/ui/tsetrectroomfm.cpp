#include "ui/tsetrectroomfm.h"

#include "ui/dialog_parts.h"

#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

TSETRECTROOMFM::TSETRECTROOMFM(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("setrectroomfm"));
    setWindowTitle(QStringLiteral("新建墙面"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dialog_parts::heading(this, QStringLiteral("新 建 矩 形 墙 面")));
    auto* form = new QFormLayout;
    width_ = dialog_parts::numberField(this, "widthEdit", 5, 2000);
    height_ = dialog_parts::numberField(this, "heightEdit", 5, 2000);
    width_->setValue(300);
    height_->setValue(300);
    form->addRow(QStringLiteral("宽(厘米)："), width_);
    form->addRow(QStringLiteral("高(厘米)："), height_);
    layout->addLayout(form);
    dialog_parts::refuseOutOfRange(*dialog_parts::addButtons(*this), {width_, height_});
}

QSize TSETRECTROOMFM::values() const {
    return {width_->value(), height_->value()};
}

std::optional<QSize> TSETRECTROOMFM::ask() {
    width_->setFocus();
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return values();
}
