#include "ui/tinputwhfm.h"

#include "ui/dialog_parts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QButtonGroup* radioGroup(QGroupBox* box, const QStringList& captions) {
    auto* group = new QButtonGroup(box);
    auto* layout = new QHBoxLayout(box);
    for (int i = 0; i < captions.size(); ++i) {
        auto* radio = new QRadioButton(captions[i], box);
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    group->button(0)->setChecked(true);
    return group;
}

} // namespace

TINputWHFM::TINputWHFM(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("inputwhfm"));
    setWindowTitle(QStringLiteral("更改房间模式"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dialog_parts::heading(this, QStringLiteral("更改当前房间模式")));
    auto* form = new QFormLayout;
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("nameEdit"));
    form->addRow(QStringLiteral("名称："), name_);
    layout->addLayout(form);

    scopeBox_ = new QGroupBox(QStringLiteral("更改范围 "), this);
    scope_ = radioGroup(scopeBox_, {QStringLiteral("当前行/列"), QStringLiteral("全部行/列"),
                                    QStringLiteral("间隔行/列")});
    layout->addWidget(scopeBox_);
    auto* modeBox = new QGroupBox(QStringLiteral(" 房间类型"), this);
    mode_ = radioGroup(modeBox, {QStringLiteral("方扣模式"), QStringLiteral("条扣(垂直)"),
                                 QStringLiteral("条扣(水平)")});
    layout->addWidget(modeBox);

    const auto sizeRow = [this, layout](const QString& caption, const char* name, QCheckBox*& box) {
        auto* row = new QHBoxLayout;
        box = new QCheckBox(caption, this);
        QSpinBox* number = dialog_parts::numberField(this, name, 20, 1000);
        row->addWidget(box);
        row->addWidget(number);
        layout->addLayout(row);
        // Changing the number checks its box.
        connect(number, &QSpinBox::valueChanged, box, [box] { box->setChecked(true); });
        return number;
    };
    width_ = sizeRow(QStringLiteral("宽：         毫米"), "widthEdit", widthBox_);
    height_ = sizeRow(QStringLiteral("高：         毫米"), "heightEdit", heightBox_);
    dialog_parts::addButtons(*this);
}

void TINputWHFM::prepare(const ModeChangeSetup& setup) {
    name_->setText(setup.name);
    if (QAbstractButton* mode = mode_->button(setup.roomMode)) {
        mode->setChecked(true);
    }
    width_->setValue(setup.width);
    height_->setValue(setup.height);
    widthBox_->setChecked(false);
    heightBox_->setChecked(false);
    scopeBox_->setEnabled(setup.sizesEnabled);
    widthBox_->setEnabled(setup.sizesEnabled && setup.widthBoxEnabled);
    width_->setEnabled(setup.sizesEnabled && setup.widthBoxEnabled);
    heightBox_->setEnabled(setup.sizesEnabled && setup.heightBoxEnabled);
    height_->setEnabled(setup.sizesEnabled && setup.heightBoxEnabled);
    name_->setFocus();
    name_->selectAll();
}

ModeChangeChoice TINputWHFM::values() const {
    ModeChangeChoice choice;
    choice.name = name_->text();
    choice.scope = scope_->checkedId();
    choice.roomMode = mode_->checkedId();
    choice.widthChecked = widthBox_->isChecked();
    choice.width = width_->value();
    choice.heightChecked = heightBox_->isChecked();
    choice.height = height_->value();
    return choice;
}

std::optional<ModeChangeChoice> TINputWHFM::ask(const ModeChangeSetup& setup) {
    prepare(setup);
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return values();
}
