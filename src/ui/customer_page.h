#pragma once

#include <QWidget>

#include <functional>

class CustomerFields;
class OpenProject;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QVBoxLayout;
struct HeldSettings;

// Page 0 of the main window, "客户信息": the open project's customer fields with the
// project number, amount, discount and lock, the room check list "选择加入统计的房间"
// and the place of the statistics table.
class CustomerPage : public QWidget {
public:
    CustomerPage(OpenProject& project, const HeldSettings& held, QWidget* parent = nullptr);

    void setChoices(const QStringList& areas, const QStringList& handlers);
    // Shows the project's customer again.
    void showCustomer();
    // One entry per room, checked when it takes part in the statistics.
    void fillRoomChecks();

    // A room check was clicked: the excluded flags have been set from the checks.
    std::function<void()> onRoomChecksChanged;

    CustomerFields* fields() const { return fields_; }
    QListWidget* roomChecks() const { return roomChecks_; }
    // Where the statistics table goes.
    QVBoxLayout* statisticsPlace() const { return statisticsPlace_; }

private:
    void roomChecksClicked();

    OpenProject& project_;
    const HeldSettings& held_;
    QLabel* number_;
    CustomerFields* fields_;
    QLineEdit* amount_;
    QLabel* discountLabel_;
    QSpinBox* discount_;
    QPushButton* lock_;
    QListWidget* roomChecks_;
    QVBoxLayout* statisticsPlace_;
    bool showing_ = false;
};
