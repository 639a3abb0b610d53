#include "quote/held_settings.h"
#include "quote/setup_file.h"
#include "support/temp_folder.h"
#include "ui/tcaifenfm.h"
#include "ui/tcaifenfm2.h"
#include "ui/tinputwhfm.h"
#include "ui/tnewroomfm.h"
#include "ui/tsetrectroomfm.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QSpinBox* number(QWidget& window, const char* name) {
    auto* field = window.findChild<QSpinBox*>(QString::fromUtf8(name));
    EXPECT_NE(field, nullptr) << name;
    return field;
}

QRadioButton* radio(QWidget& window, const QString& caption) {
    for (QRadioButton* r : window.findChildren<QRadioButton*>()) {
        if (r->text() == caption) {
            return r;
        }
    }
    ADD_FAILURE() << "no radio button " << qPrintable(caption);
    return nullptr;
}

QCheckBox* box(QWidget& window, const QString& caption) {
    for (QCheckBox* b : window.findChildren<QCheckBox*>()) {
        if (b->text() == caption) {
            return b;
        }
    }
    ADD_FAILURE() << "no check box " << qPrintable(caption);
    return nullptr;
}

// Presses Enter in the focused field of the next modal window.
void enterWhenModal() {
    QTimer::singleShot(20, [] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Return);
        }
    });
}

} // namespace

TEST(WallDialogs, TheWallSplitLimitsAAndGivesMillimetres) {
    Tcaifenfm window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("拆分墙面"));
    window.prepare(400);
    QSpinBox* a = number(window, "Aedit");
    EXPECT_EQ(a->minimum(), 5);
    EXPECT_EQ(a->maximum(), 400);
    a->setValue(1000);
    number(window, "Bedit")->setValue(120);
    number(window, "Cedit")->setValue(50);
    const WallSplitSizes sizes = window.values();
    EXPECT_EQ(sizes.a, 4000);
    EXPECT_EQ(sizes.b, 1200);
    EXPECT_EQ(sizes.c, 500);
}

TEST(WallDialogs, TheCornerSplitLimitsBothSides) {
    Tcaifenfm2 window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("拆分墙角"));
    window.prepare(40, 3);
    EXPECT_EQ(number(window, "Aedit")->maximum(), 40);
    EXPECT_EQ(number(window, "Bedit")->maximum(), 5) << "never below the minimum";
    number(window, "Aedit")->setValue(30);
    EXPECT_EQ(window.values().a, 300);
}

TEST(WallDialogs, EnterConfirmsTheCornerSplit) {
    Tcaifenfm2 window;
    enterWhenModal();
    const std::optional<CornerSplitSizes> sizes = window.ask(100, 100);
    ASSERT_TRUE(sizes.has_value());
    EXPECT_EQ(sizes->b, 50);
}

TEST(WallDialogs, TheModeButtonDisablesTheSizes) {
    TINputWHFM window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("更改房间模式"));
    ModeChangeSetup setup;
    setup.name = QStringLiteral("客厅");
    setup.roomMode = 2;
    window.prepare(setup);
    EXPECT_TRUE(radio(window, QStringLiteral("条扣(水平)"))->isChecked());
    EXPECT_FALSE(number(window, "widthEdit")->isEnabled());
    EXPECT_FALSE(box(window, QStringLiteral("高：         毫米"))->isEnabled());
    EXPECT_FALSE(radio(window, QStringLiteral("全部行/列"))->isEnabled());
    EXPECT_EQ(window.values().name, QStringLiteral("客厅"));
}

TEST(WallDialogs, ChangingANumberChecksItsBox) {
    TINputWHFM window;
    ModeChangeSetup setup;
    setup.roomMode = 1;
    setup.sizesEnabled = true;
    setup.widthBoxEnabled = true;
    setup.heightBoxEnabled = false;
    setup.width = 300;
    window.prepare(setup);
    QCheckBox* widthBox = box(window, QStringLiteral("宽：         毫米"));
    EXPECT_FALSE(widthBox->isChecked());
    EXPECT_FALSE(number(window, "heightEdit")->isEnabled());
    number(window, "widthEdit")->setValue(600);
    EXPECT_TRUE(widthBox->isChecked());
    radio(window, QStringLiteral("间隔行/列"))->setChecked(true);
    const ModeChangeChoice choice = window.values();
    EXPECT_EQ(choice.scope, 2);
    EXPECT_EQ(choice.roomMode, 1);
    EXPECT_TRUE(choice.widthChecked);
    EXPECT_EQ(choice.width, 600);
    EXPECT_FALSE(choice.heightChecked);
}

TEST(WallDialogs, TheRectangleDialogStartsAtThreeMetres) {
    TSETRECTROOMFM window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("新建墙面"));
    EXPECT_EQ(window.values(), QSize(300, 300));
    EXPECT_EQ(number(window, "widthEdit")->minimum(), 5);
    EXPECT_EQ(number(window, "heightEdit")->maximum(), 2000);
}

TEST(WallDialogs, TheNewRoomModeEnablesTheCellSizes) {
    NewRoomDefaults defaults;
    defaults.cellWidth = 600;
    defaults.roomStyle = 1;
    TNewRoomFM window(defaults);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("新房间"));
    EXPECT_TRUE(number(window, "cellWidthEdit")->isEnabled());
    EXPECT_FALSE(number(window, "cellHeightEdit")->isEnabled());
    radio(window, QStringLiteral("条扣模式(水平)"))->setChecked(true);
    EXPECT_FALSE(number(window, "cellWidthEdit")->isEnabled());
    EXPECT_TRUE(number(window, "cellHeightEdit")->isEnabled());
    radio(window, QStringLiteral("方扣模式"))->setChecked(true);
    EXPECT_TRUE(number(window, "cellWidthEdit")->isEnabled());
    EXPECT_TRUE(number(window, "cellHeightEdit")->isEnabled());
    EXPECT_EQ(number(window, "cellWidthEdit")->singleStep(), 10);
}

TEST(WallDialogs, TheNewRoomGivesWallsOnlyWithTheBox) {
    TNewRoomFM window(NewRoomDefaults{});
    NewRoomRequest request = window.values();
    EXPECT_EQ(request.rectangleWidth, 300);
    EXPECT_TRUE(request.stripFreeMode);
    box(window, QStringLiteral("创建房间时同时创建矩形墙面："))->setChecked(false);
    request = window.values();
    EXPECT_EQ(request.rectangleWidth, 0);
    EXPECT_EQ(request.rectangleHeight, 0);
}

TEST(WallDialogs, TheNewRoomWritesItsValuesBackAtTheEnd) {
    TempFolder folder;
    SetupFile setup(folder.path() + QStringLiteral("/setup.ini"));
    TNewRoomFM window(NewRoomDefaults{});
    number(window, "cellWidthEdit")->setValue(450);
    number(window, "roomHeightEdit")->setValue(520);
    radio(window, QStringLiteral("条扣模式(垂直)"))->setChecked(true);
    window.FormDestroy(setup);
    EXPECT_EQ(setup.read(setup::gw), 450);
    EXPECT_EQ(setup.read(setup::gh), 300);
    EXPECT_EQ(setup.read(setup::roomh), 520);
    EXPECT_EQ(setup.read(setup::roomstyle), 1);
}
