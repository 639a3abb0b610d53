#pragma once

#include "ui/input_window.h"

#include <optional>

class QLineEdit;

// The text input window: one text field; Enter in the field acts as "确定".
class Tinputstrfm : public InputWindow {
public:
    explicit Tinputstrfm(QWidget* parent = nullptr);

    // The trimmed text on "确定"; nothing on "取消" or when closed.
    std::optional<QString> ask(const QString& caption, const QString& prompt, const QString& text);

private:
    explicit Tinputstrfm(QWidget* parent, QLineEdit* edit);

    QLineEdit* edit_;
};
