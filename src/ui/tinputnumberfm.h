#pragma once

#include "ui/input_window.h"

#include <optional>

class QDoubleSpinBox;

// The number input window: one number within given limits; Enter confirms.
class TINputNumberFM : public InputWindow {
public:
    explicit TINputNumberFM(QWidget* parent = nullptr);

    std::optional<double> ask(const QString& caption, const QString& prompt, double value,
                              double minimum, double maximum, int decimals);

private:
    TINputNumberFM(QWidget* parent, QDoubleSpinBox* number);

    QDoubleSpinBox* number_;
};
