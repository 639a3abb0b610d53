#pragma once

#include "quote/cutting_sheet.h"

#include <QDialog>

#include <vector>

class CutBarsPicture;
class OpenProject;
class QLabel;
class QSpinBox;
class QTableWidget;

// "下料单": per strip product of the counted rooms its runs, the stock length (the dealer's
// own where the product has none or too short a one, kept with the project), and the bars
// to order with the runs cut from each, offcuts, waste and the lower bound.
class CuttingWindow : public QDialog {
public:
    CuttingWindow(OpenProject& project, int sawMm, QWidget* parent = nullptr);

private:
    struct SectionWidgets {
        QSpinBox* stock = nullptr;
        QLabel* result = nullptr;
        QTableWidget* bars = nullptr;
        CutBarsPicture* picture = nullptr;
    };

    QWidget* sectionBox(std::size_t index, QWidget* parent);
    void stockChanged(std::size_t index, int stockMm);
    void showPlan(std::size_t index);

    OpenProject& project_;
    CuttingSheet sheet_;
    std::vector<SectionWidgets> widgets_;
};
