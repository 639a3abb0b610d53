#include "ui/tinputstrfm.h"

#include <QLineEdit>

Tinputstrfm::Tinputstrfm(QWidget* parent) : Tinputstrfm(parent, new QLineEdit) {}

Tinputstrfm::Tinputstrfm(QWidget* parent, QLineEdit* edit)
    : InputWindow(parent, edit), edit_(edit) {
    edit_->setObjectName(QStringLiteral("inputText"));
    connect(edit_, &QLineEdit::returnPressed, this, &QDialog::accept);
}

std::optional<QString> Tinputstrfm::ask(const QString& caption, const QString& prompt,
                                        const QString& text) {
    edit_->setText(text);
    edit_->selectAll();
    edit_->setFocus();
    if (!run(caption, prompt)) {
        return std::nullopt;
    }
    return edit_->text().trimmed();
}
