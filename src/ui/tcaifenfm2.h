#pragma once

#include "core/wall_dialogs.h"

#include <QDialog>

class QSpinBox;

// "拆分墙角": the two sides of a corner notch, in cm.
class Tcaifenfm2 : public QDialog {
public:
    explicit Tcaifenfm2(QWidget* parent = nullptr);

    // A at most maxA cm and B at most maxB cm, each at least 5 cm.
    void prepare(int maxA, int maxB);
    // The sides in mm.
    CornerSplitSizes values() const;
    std::optional<CornerSplitSizes> ask(int maxA, int maxB);

private:
    QSpinBox* a_;
    QSpinBox* b_;
};
