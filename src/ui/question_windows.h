#pragma once

#include <QDialog>

class QLabel;
class QHBoxLayout;

// The shared question windows: caption "提示信息", one text, a row of buttons. Each
// button ends the window with its result code; closing the window gives 0.
class QuestionWindow : public QDialog {
public:
    explicit QuestionWindow(QWidget* parent);
    // Shows `text` modally and returns the code of the button pressed (0 on close).
    int ask(const QString& text);

protected:
    void addButton(const QString& caption, int code, bool isDefault = false);

private:
    QLabel* text_;
    QHBoxLayout* buttons_;
};

// Message box: "确定".
class Tmsgfm : public QuestionWindow {
public:
    explicit Tmsgfm(QWidget* parent = nullptr);
};

// Confirmation: "确定" gives 1, "取消" 0.
class TDIALOG1FM : public QuestionWindow {
public:
    explicit TDIALOG1FM(QWidget* parent = nullptr);
};

// Three-way question: "是" 1, "否" 2, "取消" 0.
class Tdlgfm2 : public QuestionWindow {
public:
    explicit Tdlgfm2(QWidget* parent = nullptr);
};

// Yes/no question under a caption of its own: "是" 1, "否" 0.
class YesNoWindow : public QuestionWindow {
public:
    explicit YesNoWindow(const QString& caption, QWidget* parent = nullptr);
};
