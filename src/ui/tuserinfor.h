#pragma once

#include <QDialog>

#include <optional>

class CustomerFields;
class QLabel;
struct CustomerRecord;

// "客户基本信息": the customer details form of a new or an edited customer. Its heading
// shows the project number the customer has or will get.
class Tuserinfor : public QDialog {
public:
    explicit Tuserinfor(QWidget* parent = nullptr);

    // Shows the record with the area and handler choices; the fields on "确定", nothing
    // on "取消". The area and handler come back by name.
    std::optional<CustomerRecord> ask(const CustomerRecord& start, const QString& projectNumber,
                                      const QStringList& areas, const QStringList& handlers);

    CustomerFields* fields() const { return fields_; }

private:
    QLabel* heading_;
    CustomerFields* fields_;
};
