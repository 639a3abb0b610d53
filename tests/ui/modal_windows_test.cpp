#include "ui/qt_prompts.h"
#include "ui/question_windows.h"
#include "ui/tinputstrfm.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Runs `act` on the modal window as soon as it is up.
void whenModal(std::function<void(QWidget&)> act) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act)] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(*w);
        }
    });
    timer->start();
}

void clickButton(QWidget& window, const QString& caption) {
    for (QPushButton* b : window.findChildren<QPushButton*>()) {
        if (b->text() == caption) {
            b->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << qPrintable(caption);
}

} // namespace

TEST(ModalWindows, ThreeWayQuestionGivesOneTwoAndZero) {
    QtPrompts prompts;
    QString caption;
    QString text;
    whenModal([&](QWidget& w) {
        caption = w.windowTitle();
        text = w.findChild<QLabel*>("questionText")->text();
        clickButton(w, "是");
    });
    EXPECT_EQ(prompts.askThreeWay("保存吗?"), Prompts::Yes);
    EXPECT_EQ(caption, "提示信息");
    EXPECT_EQ(text, "保存吗?");
    whenModal([](QWidget& w) { clickButton(w, "否"); });
    EXPECT_EQ(prompts.askThreeWay("q"), Prompts::No);
    whenModal([](QWidget& w) { clickButton(w, "取消"); });
    EXPECT_EQ(prompts.askThreeWay("q"), Prompts::Cancel);
    whenModal([](QWidget& w) { w.close(); });
    EXPECT_EQ(prompts.askThreeWay("q"), Prompts::Cancel);
}

TEST(ModalWindows, ConfirmationAndMessageAreCaptionedAsPrompts) {
    QtPrompts prompts;
    QStringList captions;
    whenModal([&](QWidget& w) {
        captions << w.windowTitle();
        clickButton(w, "确定");
    });
    EXPECT_TRUE(prompts.confirm("删除?"));
    whenModal([](QWidget& w) { clickButton(w, "取消"); });
    EXPECT_FALSE(prompts.confirm("删除?"));
    whenModal([&](QWidget& w) {
        captions << w.windowTitle();
        clickButton(w, "确定");
    });
    prompts.message("完成");
    EXPECT_EQ(captions, QStringList({"提示信息", "提示信息"}));
}

TEST(ModalWindows, TextInputConfirmsWithEnterAndTrims) {
    QtPrompts prompts;
    QString caption;
    whenModal([&](QWidget& w) {
        caption = w.windowTitle();
        auto* edit = w.findChild<QLineEdit*>("inputText");
        EXPECT_EQ(edit->text(), "客厅");
        edit->setText("  主卧  ");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(prompts.inputText("房间名称更改", "请输入新名称", "客厅"), QString("主卧"));
    EXPECT_EQ(caption, "房间名称更改");

    whenModal([](QWidget& w) { clickButton(w, "取消"); });
    EXPECT_EQ(prompts.inputText("", "名称", "x"), std::nullopt);
    whenModal([&](QWidget& w) {
        caption = w.windowTitle();
        w.close();
    });
    EXPECT_EQ(prompts.inputText("", "名称", "x"), std::nullopt);
    EXPECT_EQ(caption, "输入");
}

TEST(ModalWindows, NumberInputStaysWithinItsLimits) {
    QtPrompts prompts;
    whenModal([](QWidget& w) {
        auto* edit = w.findChild<QLineEdit*>();
        edit->selectAll();
        QTest::keyClicks(edit, "5000");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    const auto value = prompts.inputNumber("输入", "门窗宽(厘米):", 90, 0, 390, 0);
    ASSERT_TRUE(value.has_value());
    EXPECT_LE(*value, 390);
}

TEST(ModalWindows, SaveDialogTakesTheFilterExtension) {
    EXPECT_EQ(defaultSuffix("TESSRA工程文件|*.zpk"), "zpk");
    EXPECT_EQ(defaultSuffix("jpeg (*.jpg)|*.jpg"), "jpg");
    EXPECT_EQ(defaultSuffix("所有文件|*"), "");
}
