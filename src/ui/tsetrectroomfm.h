#pragma once

#include <QDialog>
#include <QSize>

#include <optional>

class QSpinBox;

// "新建墙面": the width and height in cm of rectangular walls.
class TSETRECTROOMFM : public QDialog {
public:
    explicit TSETRECTROOMFM(QWidget* parent = nullptr);

    QSize values() const;
    std::optional<QSize> ask();

private:
    QSpinBox* width_;
    QSpinBox* height_;
};
