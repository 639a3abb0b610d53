#pragma once

#include <QDialog>

class BillEdits;
class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;

// "非显示物件": the open project's non-display items with their quantities; a negative
// quantity is a return of goods.
class Totherfm : public QDialog {
public:
    Totherfm(BillEdits& edits, QWidget* parent = nullptr);

    // Lists the items again (those of quantity 0 leave the project).
    void refill();

private:
    void selectionChanged();
    void quantityChanged(int value);
    void deleteClicked();
    void confirm();

    BillEdits& edits_;
    QTreeWidget* list_;
    QLabel* name_;
    QSpinBox* quantity_;
    QPushButton* delete_;
    bool filling_ = false;
};
