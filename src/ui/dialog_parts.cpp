#include "ui/dialog_parts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

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

QPushButton* addButtons(QDialog& dialog) {
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.layout()->addWidget(buttons);
    return ok;
}

namespace {

class OutOfRangeGuard : public QObject {
public:
    OutOfRangeGuard(QPushButton& ok, const QList<QSpinBox*>& fields)
        : QObject(&ok), ok_(ok), fields_(fields) {
        for (QSpinBox* field : fields_) {
            field->installEventFilter(this);
            // The field's own signal waits for a number in range; its editor tells every
            // keystroke.
            connect(field->findChild<QLineEdit*>(), &QLineEdit::textChanged, this,
                    [this] { follow(); });
        }
        follow();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        return (key == Qt::Key_Return || key == Qt::Key_Enter) &&
               !static_cast<QSpinBox*>(watched)->hasAcceptableInput();
    }

private:
    void follow() {
        ok_.setEnabled(std::all_of(fields_.cbegin(), fields_.cend(),
                                   [](QSpinBox* field) { return field->hasAcceptableInput(); }));
    }

    QPushButton& ok_;
    QList<QSpinBox*> fields_;
};

} // namespace

void refuseOutOfRange(QPushButton& ok, const QList<QSpinBox*>& fields) {
    new OutOfRangeGuard(ok, fields);
}

} // namespace dialog_parts
