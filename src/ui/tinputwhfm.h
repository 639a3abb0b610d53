#pragma once

#include "core/wall_dialogs.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QSpinBox;

// "更改房间模式": name, scope, room mode and the new column width and row height.
class TINputWHFM : public QDialog {
public:
    explicit TINputWHFM(QWidget* parent = nullptr);

    void prepare(const ModeChangeSetup& setup);
    ModeChangeChoice values() const;
    std::optional<ModeChangeChoice> ask(const ModeChangeSetup& setup);

private:
    QLineEdit* name_;
    QGroupBox* scopeBox_;
    QButtonGroup* scope_;
    QButtonGroup* mode_;
    QCheckBox* widthBox_;
    QSpinBox* width_;
    QCheckBox* heightBox_;
    QSpinBox* height_;
};
