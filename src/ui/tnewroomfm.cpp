#include "ui/tnewroomfm.h"

#include "quote/held_settings.h"
#include "quote/setup_file.h"
#include "ui/dialog_parts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

TNewRoomFM::TNewRoomFM(const NewRoomDefaults& defaults, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("newroomfm"));
    setWindowTitle(QStringLiteral("新房间"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dialog_parts::heading(this, QStringLiteral("创 建 新 房 间")));
    auto* form = new QFormLayout;
    name_ = new QLineEdit(QStringLiteral("新房间"), this);
    name_->setObjectName(QStringLiteral("nameEdit"));
    form->addRow(QStringLiteral("名称："), name_);
    layout->addLayout(form);

    auto* modeBox = new QGroupBox(QStringLiteral("房间类型"), this);
    auto* modeLayout = new QVBoxLayout(modeBox);
    mode_ = new QButtonGroup(this);
    const QStringList modes = {QStringLiteral("方扣模式"), QStringLiteral("条扣模式(垂直)"),
                               QStringLiteral("条扣模式(水平)")};
    for (int i = 0; i < modes.size(); ++i) {
        auto* radio = new QRadioButton(modes[i], modeBox);
        mode_->addButton(radio, i);
        modeLayout->addWidget(radio);
    }
    layout->addWidget(modeBox);

    auto* sizes = new QFormLayout;
    cellWidth_ = dialog_parts::numberField(this, "cellWidthEdit", 20, 1000, 10);
    cellHeight_ = dialog_parts::numberField(this, "cellHeightEdit", 20, 1000, 10);
    sizes->addRow(QStringLiteral("格子宽(毫米)："), cellWidth_);
    sizes->addRow(QStringLiteral("格子高(毫米)："), cellHeight_);
    withWalls_ = new QCheckBox(QStringLiteral("创建房间时同时创建矩形墙面："), this);
    withWalls_->setObjectName(QStringLiteral("withWallsBox"));
    withWalls_->setChecked(true);
    sizes->addRow(withWalls_);
    roomWidth_ = dialog_parts::numberField(this, "roomWidthEdit", 50, 2000);
    roomHeight_ = dialog_parts::numberField(this, "roomHeightEdit", 50, 2000);
    sizes->addRow(QStringLiteral("宽(厘米)："), roomWidth_);
    sizes->addRow(QStringLiteral("高(厘米)："), roomHeight_);
    layout->addLayout(sizes);
    dialog_parts::addButtons(*this);

    connect(mode_, &QButtonGroup::idToggled, this, [this] { modeChanged(); });
    setDefaults(defaults);
}

void TNewRoomFM::setDefaults(const NewRoomDefaults& defaults) {
    cellWidth_->setValue(defaults.cellWidth);
    cellHeight_->setValue(defaults.cellHeight);
    roomWidth_->setValue(defaults.roomWidth);
    roomHeight_->setValue(defaults.roomHeight);
    QAbstractButton* mode = mode_->button(defaults.roomStyle);
    (mode ? mode : mode_->button(0))->setChecked(true);
    modeChanged();
}

void TNewRoomFM::modeChanged() {
    const int mode = mode_->checkedId();
    cellWidth_->setEnabled(mode != 2);
    cellHeight_->setEnabled(mode != 1);
}

NewRoomRequest TNewRoomFM::values() const {
    NewRoomRequest request;
    request.name = name_->text();
    request.roomMode = std::max(0, mode_->checkedId());
    request.columnWidth = cellWidth_->value();
    request.rowHeight = cellHeight_->value();
    request.stripFreeMode = true;
    if (withWalls_->isChecked()) {
        request.rectangleWidth = roomWidth_->value();
        request.rectangleHeight = roomHeight_->value();
    }
    return request;
}

std::optional<NewRoomRequest> TNewRoomFM::ask() {
    name_->setFocus();
    name_->selectAll();
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return values();
}

void TNewRoomFM::writeDefaults(SetupFile& setup) const {
    setup.write(setup::gw, cellWidth_->value());
    setup.write(setup::gh, cellHeight_->value());
    setup.write(setup::roomw, roomWidth_->value());
    setup.write(setup::roomh, roomHeight_->value());
    setup.write(setup::roomstyle, std::max(0, mode_->checkedId()));
}
