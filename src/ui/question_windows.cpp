#include "ui/question_windows.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

QuestionWindow::QuestionWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("提示信息"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("questionText"));
    text_->setWordWrap(true);
    text_->setMinimumWidth(260);
    text_->setTextFormat(Qt::PlainText);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(icon);
    row->addWidget(text_, 1);
    layout->addLayout(row);
    buttons_ = new QHBoxLayout;
    buttons_->addStretch();
    layout->addLayout(buttons_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void QuestionWindow::addButton(const QString& caption, int code, bool isDefault) {
    auto* button = new QPushButton(caption, this);
    button->setDefault(isDefault);
    button->setAutoDefault(isDefault);
    connect(button, &QPushButton::clicked, this, [this, code] { done(code); });
    buttons_->addWidget(button);
}

int QuestionWindow::ask(const QString& text) {
    text_->setText(text);
    return exec();
}

Tmsgfm::Tmsgfm(QWidget* parent) : QuestionWindow(parent) {
    addButton(QStringLiteral("确定"), 1, true);
}

TDIALOG1FM::TDIALOG1FM(QWidget* parent) : QuestionWindow(parent) {
    addButton(QStringLiteral("确定"), 1, true);
    addButton(QStringLiteral("取消"), 0);
}

Tdlgfm2::Tdlgfm2(QWidget* parent) : QuestionWindow(parent) {
    addButton(QStringLiteral("是"), 1, true);
    addButton(QStringLiteral("否"), 2);
    addButton(QStringLiteral("取消"), 0);
}

YesNoWindow::YesNoWindow(const QString& caption, QWidget* parent) : QuestionWindow(parent) {
    setWindowTitle(caption);
    addButton(QStringLiteral("是"), 1, true);
    addButton(QStringLiteral("否"), 0);
}
