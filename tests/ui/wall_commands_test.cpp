#include "staged_program.h"
#include "support/scripted_prompts.h"
#include "ui/main_actions.h"
#include "ui/program_start.h"
#include "ui/tmainfm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class WallCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
        main = program.mainWindow();
        room = main->getActiveOBJ();
        ASSERT_NE(room, nullptr);
    }
    void trigger(const char* name) { main->actions()[QString::fromUtf8(name)]->trigger(); }

    StagedProgram staged;
    ScriptedPrompts prompts;
    ProgramStart program{staged.path(), &prompts};
    Tmainfm* main = nullptr;
    TRoom_OBJ* room = nullptr;
};

} // namespace

TEST_F(WallCommands, TheWallButtonsSetEditModeAndTool) {
    trigger("N72");
    EXPECT_EQ(room->editMode, EditSplitWalls);
    EXPECT_EQ(room->tool, ToolEditWalls);
    trigger("N3");
    EXPECT_EQ(room->editMode, EditAdjustWalls);
    EXPECT_EQ(room->tool, ToolMoveRoomArmed);
    trigger("N9");
    EXPECT_EQ(room->tool, ToolEditWalls);
    trigger("N70");
    EXPECT_EQ(room->tool, ToolDrawWalls);
    EXPECT_NE(room->wallDialogs, nullptr);
}

TEST_F(WallCommands, TheFlagsFollowTheToolBar) {
    trigger("lockxy");
    EXPECT_FALSE(room->snapRulerX);
    EXPECT_FALSE(room->snapRulerY);
    trigger("usectrl");
    EXPECT_FALSE(room->angleSnap);
    trigger("lockbt");
    EXPECT_FALSE(room->lockCanvas);

    auto* box = main->findChild<QCheckBox*>(QStringLiteral("sCheckBox1"));
    auto* length = main->findChild<QSpinBox*>(QStringLiteral("sSpinEdit1"));
    ASSERT_TRUE(box && length);
    length->setValue(40);
    EXPECT_EQ(room->fixedLengthCm, 5) << "only while the box is checked";
    box->click();
    EXPECT_TRUE(room->fixedLength);
    EXPECT_EQ(room->fixedLengthCm, 40);
    length->setValue(60);
    EXPECT_EQ(room->fixedLengthCm, 60);
}

TEST_F(WallCommands, ANewRoomWithWallsStartsInWallEditing) {
    QTimer::singleShot(20, [] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Return);
        }
    });
    trigger("N11");
    ASSERT_EQ(main->rooms().size(), 2u);
    TRoom_OBJ* added = main->getActiveOBJ();
    ASSERT_EQ(added, main->rooms()[1].room.get());
    EXPECT_EQ(added->wall.pointCount(), 4);
    EXPECT_EQ(added->tool, ToolEditWalls);
    EXPECT_TRUE(main->actions()["N9"]->isChecked());
    EXPECT_FALSE(added->canUndo);
    EXPECT_FALSE(added->canRedo);
    EXPECT_TRUE(added->roomModified);
}

TEST_F(WallCommands, ClearingTheWallsAsks) {
    room->makeRectangle(300, 200);
    prompts.answerConfirm(true);
    trigger("N73");
    EXPECT_EQ(room->wall.pointCount(), 0);
    EXPECT_EQ(prompts.shown.value(0),
              QStringLiteral("confirm:是否清除当前房间［新房间］ 的墙面信息?"));
}

TEST(WallCommandsSettings, TheNewRoomWindowStartsFromTheSettings) {
    StagedProgram staged("[setup]\r\ngw=450\r\nroomw=520\r\nroomstyle=2\r\n");
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
    auto* window = program.mainWindow()->findChild<QDialog*>(QStringLiteral("newroomfm"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->findChild<QSpinBox*>(QStringLiteral("cellWidthEdit"))->value(), 450);
    EXPECT_EQ(window->findChild<QSpinBox*>(QStringLiteral("roomWidthEdit"))->value(), 520);
    EXPECT_FALSE(window->findChild<QSpinBox*>(QStringLiteral("cellWidthEdit"))->isEnabled());
}
