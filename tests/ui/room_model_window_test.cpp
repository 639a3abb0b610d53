#include "design_products.h"
#include "quote/held_settings.h"
#include "quote/open_project.h"
#include "quote/setup_file.h"
#include "quote/setup_keys.h"
#include "staged_program.h"
#include "support/scripted_prompts.h"
#include "ui/main_actions.h"
#include "ui/program_start.h"
#include "ui/tmainfm.h"
#include "ui/tsetupfm.h"

#include <QAction>
#include <QFile>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

// "吊顶高度(cm)" starts at 260, is kept within its limits and saved to the settings.
TEST(RoomModelWindow, TheSettingsWindowKeepsTheCeilingHeight) {
    StagedProgram staged;
    SetupFile setup(staged.home().file(QStringLiteral("setup.ini")));
    HeldSettings held;
    ScriptedPrompts prompts;
    {
        Tsetupfm window({setup, held, prompts, {}, {}, {}});
        auto* height = window.findChild<QSpinBox*>(QStringLiteral("ceilingHeight"));
        ASSERT_NE(height, nullptr);
        EXPECT_EQ(height->value(), 260);
        height->setValue(310);
        ASSERT_TRUE(window.Savetoinifile());
    }
    EXPECT_EQ(setup.read(setup::ceilingHeight), 310);
    EXPECT_EQ(held.ceilingHeight, 310);
    ASSERT_TRUE(setup.write(setup::ceilingHeight, 5000));
    Tsetupfm again({setup, held, prompts, {}, {}, {}});
    EXPECT_EQ(again.findChild<QSpinBox*>(QStringLiteral("ceilingHeight"))->value(), 600);
}

// "导出3D模型(glTF)" writes the active room where the save dialog says; a room whose walls
// do not close says so and asks nothing.
TEST(RoomModelWindow, TheExportMenuWritesTheActiveRoomsModel) {
    StagedProgram staged;
    design_products::add(staged);
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
    Tmainfm* main = program.mainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    TRoom_OBJ* room = main->getActiveOBJ();
    ASSERT_NE(room, nullptr);
    room->makeRectangle(300, 300);
    QAction* exportModel = main->actions()[QStringLiteral("exportGltf")];
    ASSERT_TRUE(exportModel->isEnabled());
    EXPECT_EQ(exportModel->text(), QStringLiteral("导出3D模型(glTF)"));

    const QString file = staged.home().file(QStringLiteral("导出文件/客厅"));
    prompts.answerPath(file);
    exportModel->trigger();
    QFile written(file + QStringLiteral(".glb"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << qPrintable(prompts.shown.join('\n'));
    EXPECT_TRUE(written.read(4) == "glTF");

    room->wall.clearOutline();
    prompts.shown.clear();
    exportModel->trigger();
    EXPECT_EQ(prompts.shown, QStringList{QStringLiteral("message:房间墙面未封闭,无法生成3D效果")});
}
