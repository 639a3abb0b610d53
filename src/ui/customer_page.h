#pragma once

#include <QWidget>

#include <functional>

class BillOfMaterials;
class CustomerFields;
class OpenProject;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QToolButton;
class QTableView;
class QVBoxLayout;
struct HeldSettings;

// Page 0 of the main window, "客户信息": the open project's customer fields with the
// project number, amount, discount and lock, the statistics table and the room check
// list "选择加入统计的房间".
class CustomerPage : public QWidget {
public:
    CustomerPage(OpenProject& project, BillOfMaterials& bill, const HeldSettings& held,
                 QWidget* parent = nullptr);

    void setChoices(const QStringList& areas, const QStringList& handlers);
    // Shows the project's customer again.
    void showCustomer();
    // The discount field as the settings have it (shown or not, lowest value) with the
    // project's discount.
    void showDiscount();
    // Whether the area box offers the area of this name.
    bool offersArea(const QString& title) const;
    // One entry per room, checked when it takes part in the statistics.
    void fillRoomChecks();

    // A room check was clicked: the excluded flags have been set from the checks.
    std::function<void()> onRoomChecksChanged;

    CustomerFields* fields() const { return fields_; }
    QListWidget* roomChecks() const { return roomChecks_; }
    QTableView* statisticsTable() const { return table_; }
    QPushButton* cuttingButton() const { return cutting_; }

private:
    void roomChecksClicked();
    void showAmount();
    void lockClicked(bool down);
    // A discount typed below the lowest allowed one has become the lowest: says so.
    void discountTyped();
    void notice(const QString& text);

    OpenProject& project_;
    BillOfMaterials& bill_;
    const HeldSettings& held_;
    QLabel* number_;
    CustomerFields* fields_;
    QLineEdit* amount_;
    QLabel* discountLabel_;
    QSpinBox* discount_;
    QToolButton* lock_;
    QPushButton* cutting_;
    QListWidget* roomChecks_;
    QTableView* table_;
    bool showing_ = false;
    // The discount as last typed into the field, before the field corrects it.
    QString typedDiscount_;
};
