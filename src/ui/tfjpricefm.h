#pragma once

#include <QDialog>

#include <optional>

class QCheckBox;
class QDoubleSpinBox;
struct CustomerRecord;

// "当前项目附件参数设置": the open project's accessory parameters and whether the edge
// trim is computed.
class Tfjpricefm : public QDialog {
public:
    explicit Tfjpricefm(QWidget* parent = nullptr);

    // The values of `project` in the fields; the edited values on "确定", none otherwise.
    std::optional<CustomerRecord> ask(const CustomerRecord& project);

private:
    QDoubleSpinBox* field(const char* name, double maximum);

    QDoubleSpinBox* keelLength_;
    QDoubleSpinBox* keelPrice_;
    QDoubleSpinBox* triangleKeelLength_;
    QDoubleSpinBox* triangleKeelPrice_;
    QDoubleSpinBox* connectors_;
    QDoubleSpinBox* hangers_;
    QDoubleSpinBox* installationFee_;
    QDoubleSpinBox* edgeTrimPrice_;
    QCheckBox* autoEdgeTrim_;
};
