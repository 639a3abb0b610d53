#include "ui/tnewzdyprofm.h"

#include "library/product_manager.h"
#include "platform/prompts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int LargestSize = 100000; // mm

QSpinBox* sizeField(QWidget* parent, const char* name) {
    auto* field = new QSpinBox(parent);
    field->setObjectName(QString::fromUtf8(name));
    field->setRange(0, LargestSize);
    return field;
}

} // namespace

TNewZDYProFM::TNewZDYProFM(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
    setObjectName(QStringLiteral("newzdyprofm"));
    setWindowTitle(QStringLiteral("自定义产品"));

    auto* pictureBox = new QGroupBox(QStringLiteral("产品图像"), this);
    picture_ = new QLabel(pictureBox);
    picture_->setObjectName(QStringLiteral("pictureArea"));
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setMinimumSize(160, 160);
    auto* choose = new QPushButton(QStringLiteral("选择产品图"), pictureBox);
    choose->setObjectName(QStringLiteral("choosePicture"));
    auto* pictureLayout = new QVBoxLayout(pictureBox);
    pictureLayout->addWidget(picture_, 1);
    pictureLayout->addWidget(choose);

    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("nameEdit"));
    width_ = sizeField(this, "widthEdit");
    height_ = sizeField(this, "heightEdit");
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("kindBox"));
    for (int kind = KindSquarePanel; kind <= KindMark; ++kind) {
        kind_->addItem(ProductManager::kindLabel(kind));
    }
    address_ = new QLineEdit(this);
    address_->setObjectName(QStringLiteral("addressEdit"));

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("名称："), this), 0, 0);
    fields->addWidget(name_, 0, 1, 1, 3);
    fields->addWidget(new QLabel(QStringLiteral("规格："), this), 1, 0);
    fields->addWidget(width_, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("X"), this), 1, 2);
    fields->addWidget(height_, 1, 3);
    fields->addWidget(new QLabel(QStringLiteral("（单位：mm）"), this), 1, 4);
    fields->addWidget(new QLabel(QStringLiteral("属性："), this), 2, 0);
    fields->addWidget(kind_, 2, 1, 1, 3);
    fields->addWidget(new QLabel(QStringLiteral("网址："), this), 3, 0);
    fields->addWidget(address_, 3, 1, 1, 3);
    fields->addWidget(new QLabel(QStringLiteral("（关联对应产品的详细信息）"), this), 3, 4);

    ok_ = new QPushButton(QStringLiteral("确定"), this);
    ok_->setObjectName(QStringLiteral("okButton"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("取消"), this);
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pictureBox, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(choose, &QPushButton::clicked, this, [this] { sButton1Click(); });
    connect(width_, &QSpinBox::valueChanged, this, [this] { sizeChanged(); });
    connect(height_, &QSpinBox::valueChanged, this, [this] { sizeChanged(); });
    connect(ok_, &QPushButton::clicked, this, [this] { confirmClick(); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

TNewZDYProFM::~TNewZDYProFM() = default;

std::optional<CustomProductValues> TNewZDYProFM::edit(const CustomProductValues& values) {
    // Each opening starts a new working bitmap.
    editor_ = std::make_unique<CustomProductEditor>(values);
    showFields();
    showPicture();
    name_->setFocus();
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return editor_->result();
}

void TNewZDYProFM::showFields() {
    const CustomProductValues& f = editor_->fields;
    name_->setText(f.name);
    address_->setText(f.infoAddress);
    kind_->setCurrentIndex(f.kind);
    // The numbers change without re-scaling the picture.
    const QSignalBlocker blockWidth(width_);
    const QSignalBlocker blockHeight(height_);
    width_->setValue(f.width);
    height_->setValue(f.height);
}

void TNewZDYProFM::showPicture() {
    picture_->setPixmap(editor_->shown().isNull() ? QPixmap()
                                                  : QPixmap::fromImage(editor_->shown()));
}

void TNewZDYProFM::sButton1Click() {
    const QString path = prompts_.chooseOpenFile(
        QStringLiteral("选择产品图"), {}, QString::fromUtf8(CustomProductEditor::PictureFilter));
    if (path.isEmpty()) {
        return;
    }
    takeFields();
    if (!editor_->choosePicture(path)) {
        prompts_.message(QStringLiteral("无法读取图像文件 ") + path);
        return;
    }
    showFields();
    showPicture();
}

void TNewZDYProFM::sizeChanged() {
    if (!editor_) {
        return;
    }
    editor_->setSize(width_->value(), height_->value());
    showPicture();
}

void TNewZDYProFM::takeFields() {
    editor_->fields.name = name_->text();
    editor_->fields.kind = kind_->currentIndex();
    editor_->fields.infoAddress = address_->text();
}

void TNewZDYProFM::confirmClick() {
    takeFields();
    if (editor_->confirm(prompts_)) {
        accept();
    }
}
