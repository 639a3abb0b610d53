#include "ui/tfjpricefm.h"

#include "store/customer_record.h"
#include "ui/dialog_parts.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <limits>

namespace {

constexpr double Limit = 10000;

} // namespace

Tfjpricefm::Tfjpricefm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fjpricefm"));
    setWindowTitle(QStringLiteral("当前项目附件参数设置"));
    keelLength_ = field("long", Limit);
    keelPrice_ = field("longprice", Limit);
    triangleKeelLength_ = field("slong", Limit);
    triangleKeelPrice_ = field("slongprice", Limit);
    connectors_ = field("jie", Limit);
    hangers_ = field("diao", Limit);
    installationFee_ = field("anzhuangprice", std::numeric_limits<double>::max());
    edgeTrimPrice_ = field("shoubian_price", Limit);
    autoEdgeTrim_ = new QCheckBox(QStringLiteral("自动计算收边条"), this);
    autoEdgeTrim_->setObjectName(QStringLiteral("autoshoubian"));

    auto* grid = new QGridLayout;
    int row = 0;
    const auto line = [this, grid, &row](const char* name, QDoubleSpinBox* first,
                                         const char* firstUnit, QDoubleSpinBox* second = nullptr,
                                         const char* secondUnit = nullptr) {
        grid->addWidget(new QLabel(QString::fromUtf8(name), this), row, 0);
        grid->addWidget(first, row, 1);
        grid->addWidget(new QLabel(QString::fromUtf8(firstUnit), this), row, 2);
        if (second) {
            grid->addWidget(new QLabel(QStringLiteral("单价："), this), row, 3);
            grid->addWidget(second, row, 4);
            grid->addWidget(new QLabel(QString::fromUtf8(secondUnit), this), row, 5);
        }
        ++row;
    };
    line("龙骨：", keelLength_, "米/平方", keelPrice_, "元/米");
    line("三角龙骨：", triangleKeelLength_, "米/平方", triangleKeelPrice_, "元/米");
    line("接件：", connectors_, "个/平方");
    line("吊件：", hangers_, "个/平方");
    line("安装费：", installationFee_, "元/平方");
    line("收边条：", edgeTrimPrice_, "元/米");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(autoEdgeTrim_);
    dialog_parts::addButtons(*this);
}

QDoubleSpinBox* Tfjpricefm::field(const char* name, double maximum) {
    auto* box = new QDoubleSpinBox(this);
    box->setObjectName(QString::fromUtf8(name));
    box->setDecimals(2);
    box->setRange(0, maximum);
    return box;
}

std::optional<CustomerRecord> Tfjpricefm::ask(const CustomerRecord& project) {
    keelLength_->setValue(project.keelLength);
    keelPrice_->setValue(project.keelPrice);
    triangleKeelLength_->setValue(project.triangleKeelLength);
    triangleKeelPrice_->setValue(project.triangleKeelPrice);
    connectors_->setValue(project.connectors);
    hangers_->setValue(project.hangers);
    installationFee_->setValue(project.installationFee);
    edgeTrimPrice_->setValue(project.shoubianPrice);
    autoEdgeTrim_->setChecked(project.autoShoubian == 0);
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    CustomerRecord values = project;
    values.keelLength = keelLength_->value();
    values.keelPrice = keelPrice_->value();
    values.triangleKeelLength = triangleKeelLength_->value();
    values.triangleKeelPrice = triangleKeelPrice_->value();
    values.connectors = connectors_->value();
    values.hangers = hangers_->value();
    values.installationFee = installationFee_->value();
    values.shoubianPrice = edgeTrimPrice_->value();
    values.autoShoubian = autoEdgeTrim_->isChecked() ? 0 : 1;
    return values;
}
