#include "ui/input_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

InputWindow::InputWindow(QWidget* parent, QWidget* field) : QDialog(parent) {
    setWindowTitle(QStringLiteral("输入"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    prompt_ = new QLabel(this);
    prompt_->setTextFormat(Qt::PlainText);
    prompt_->setBuddy(field);
    field->setParent(this);
    field->setMinimumWidth(280);
    layout->addWidget(prompt_);
    layout->addWidget(field);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

bool InputWindow::run(const QString& caption, const QString& prompt) {
    setWindowTitle(caption.isEmpty() ? QStringLiteral("输入") : caption);
    prompt_->setText(prompt);
    return exec() == QDialog::Accepted;
}
