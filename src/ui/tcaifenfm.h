#pragma once

#include "core/wall_dialogs.h"

#include <QDialog>

class QSpinBox;

// "拆分墙面": A and B from the wall's two ends and the recess depth C, in cm.
class Tcaifenfm : public QDialog {
public:
    explicit Tcaifenfm(QWidget* parent = nullptr);

    // A at most maxA cm; every length at least 5 cm.
    void prepare(int maxA);
    // The lengths in mm.
    WallSplitSizes values() const;
    std::optional<WallSplitSizes> ask(int maxA);

private:
    QSpinBox* a_;
    QSpinBox* b_;
    QSpinBox* c_;
};
