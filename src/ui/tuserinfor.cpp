#include "ui/tuserinfor.h"

#include "store/customer_record.h"
#include "ui/customer_fields.h"
#include "ui/dialog_parts.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

Tuserinfor::Tuserinfor(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("userinfor"));
    setWindowTitle(QStringLiteral("客户基本信息"));
    auto* layout = new QVBoxLayout(this);
    heading_ = dialog_parts::heading(this, QStringLiteral("项目编号:"));
    fields_ = new CustomerFields(this);
    fields_->setAreaEditable(true);
    layout->addWidget(heading_);
    layout->addWidget(fields_);
    dialog_parts::addButtons(*this);
}

std::optional<CustomerRecord> Tuserinfor::ask(const CustomerRecord& start,
                                              const QString& projectNumber,
                                              const QStringList& areas,
                                              const QStringList& handlers) {
    heading_->setText(QStringLiteral("项目编号:") + projectNumber);
    fields_->setChoices(areas, handlers);
    fields_->show(start);
    fields_->nameField()->setFocus();
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    CustomerRecord record = start;
    fields_->read(record);
    return record;
}
