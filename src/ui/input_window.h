#pragma once

#include <QDialog>

class QLabel;

// An input window: caption (default "输入"), a prompt above one field, "确定" and "取消".
class InputWindow : public QDialog {
protected:
    // `field` is placed under the prompt; the window takes it over.
    InputWindow(QWidget* parent, QWidget* field);
    // Shows the window modally; true on "确定".
    bool run(const QString& caption, const QString& prompt);

private:
    QLabel* prompt_;
};
