#include "ui/tinputnumberfm.h"

#include <QDoubleSpinBox>

TINputNumberFM::TINputNumberFM(QWidget* parent) : TINputNumberFM(parent, new QDoubleSpinBox) {}

TINputNumberFM::TINputNumberFM(QWidget* parent, QDoubleSpinBox* number)
    : InputWindow(parent, number), number_(number) {
    number_->setObjectName(QStringLiteral("inputNumber"));
}

std::optional<double> TINputNumberFM::ask(const QString& caption, const QString& prompt,
                                          double value, double minimum, double maximum,
                                          int decimals) {
    number_->setDecimals(decimals);
    number_->setRange(minimum, maximum);
    number_->setValue(value);
    number_->selectAll();
    number_->setFocus();
    if (!run(caption, prompt)) {
        return std::nullopt;
    }
    number_->interpretText();
    return number_->value();
}
