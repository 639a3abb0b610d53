#pragma once

#include <QWidget>

#include <functional>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
struct CustomerRecord;

// The customer's base data as the customer details form and the customer page show it:
// name, sex, birthday, employer, address, area, telephones, fax, e-mail, messaging,
// the three dates, handler and remarks. An empty date shows blank and reads as the
// zero date.
class CustomerFields : public QWidget {
public:
    explicit CustomerFields(QWidget* parent = nullptr);

    // The area and handler boxes: "（无）" and a blank entry, then the names in pinyin order.
    void setChoices(const QStringList& areas, const QStringList& handlers);
    // Whether a new area name can be typed into the area box.
    void setAreaEditable(bool editable);
    // Whether the area box offers the area of this name ("" is "（无）").
    bool offersArea(const QString& title) const;
    // Shows the record; no change is reported meanwhile.
    void show(const CustomerRecord& record);
    // Copies the fields into the record (area and handler by name only).
    void read(CustomerRecord& record) const;

    // Called after a field other than the area and handler changed through the user.
    std::function<void()> onChanged;
    std::function<void(const QString&)> onAreaChosen;
    std::function<void(const QString&)> onHandlerChosen;

    QLineEdit* nameField() const { return name_; }

private:
    QLineEdit* addLine(const char* objectName);
    QDateEdit* addDate(const char* objectName);
    void changed();
    // The chosen or typed area; empty for "（无）".
    QString areaTitle() const;

    QLineEdit* name_ = nullptr;
    QComboBox* sex_ = nullptr;
    QComboBox* month_ = nullptr;
    QComboBox* day_ = nullptr;
    QLineEdit* work_ = nullptr;
    QLineEdit* addr_ = nullptr;
    QComboBox* area_ = nullptr;
    QLineEdit* tele_ = nullptr;
    QLineEdit* tele2_ = nullptr;
    QLineEdit* fax_ = nullptr;
    QLineEdit* email_ = nullptr;
    QLineEdit* im_ = nullptr;
    QDateEdit* designDate_ = nullptr;
    QDateEdit* workDate_ = nullptr;
    QDateEdit* endDate_ = nullptr;
    QComboBox* handler_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    bool showing_ = false;
};
