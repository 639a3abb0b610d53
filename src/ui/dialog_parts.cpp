#include "ui/dialog_parts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QSpinBox>

namespace dialog_parts {

QSpinBox* numberField(QWidget* parent, const char* name, int minimum, int maximum, int step) {
    auto* field = new QSpinBox(parent);
    field->setObjectName(QString::fromUtf8(name));
    field->setRange(minimum, maximum);
    field->setSingleStep(step);
    return field;
}

QLabel* heading(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 3);
    label->setFont(bold);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void addButtons(QDialog& dialog) {
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.layout()->addWidget(buttons);
}

} // namespace dialog_parts
