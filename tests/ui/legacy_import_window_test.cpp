#include "platform/database.h"
#include "quote/open_project.h"
#include "staged_program.h"
#include "support/scripted_prompts.h"
#include "support/v5_file_writer.h"
#include "ui/main_actions.h"
#include "ui/program_start.h"
#include "ui/tmainfm.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <gtest/gtest.h>

// "导入V5项目文件" from the menu: the old library is asked for once, a file that is no
// design file changes nothing, and a design file replaces the open project by one room.
TEST(LegacyImportWindow, TheMenuEntryImportsADesignFileAsANewProject) {
    StagedProgram staged("[setup]\r\nautocreateroom=1\r\n");
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
    Tmainfm& main = *program.mainWindow();
    QAction* command = main.actions()[QStringLiteral("importV5")];
    ASSERT_TRUE(command->isEnabled());

    // The old library: the delivered one with a panel that the current library has under
    // another id.
    const QString oldPath = staged.home().file(QStringLiteral("旧版/DB.data"));
    QDir().mkpath(staged.home().file(QStringLiteral("旧版")));
    const QString current = staged.home().file(QStringLiteral("数据文件/db.data"));
    ASSERT_TRUE(QFile::copy(current, oldPath));
    const int panel = 100001;
    const int oldPanel = 70001;
    for (const auto& [path, id] : {std::pair{oldPath, oldPanel}, std::pair{current, panel}}) {
        Database db;
        ASSERT_TRUE(db.open(path));
        db.exec(QStringLiteral("insert into pic (id, title, style, width, height, price, danwei) "
                               "values (?, 'V5测试面板', 0, 300, 300, 10, '片')"),
                {id});
    }
    const QString notDesign = staged.home().file(QStringLiteral("别的.dsn"));
    QFile other(notDesign);
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("not a design file at all");
    other.close();
    const int roomsBefore = int(main.rooms().size());

    prompts.answerPath(oldPath);
    prompts.answerPath(notDesign);
    command->trigger();
    EXPECT_EQ(int(main.rooms().size()), roomsBefore);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("请选择V5版数据库所在路径")});

    V5File file;
    file.corners = {{800, 800}, {1200, 800}, {1200, 1100}, {800, 1100}};
    file.cells[{30, 30}] = {oldPanel, 0};
    file.billLines = {{oldPanel, 66}};
    file.amount = 999;
    const QString design = staged.home().file(QStringLiteral("客厅.dsn"));
    QFile out(design);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file.bytes());
    out.close();
    prompts.shown.clear();
    prompts.answerPath(design); // the stored library path is not asked again
    command->trigger();
    EXPECT_TRUE(prompts.messages().isEmpty()) << qPrintable(prompts.shown.join('\n'));
    ASSERT_EQ(main.rooms().size(), 1u);
    EXPECT_EQ(main.pageControl()->tabText(1), QStringLiteral("V5房间"));
    EXPECT_EQ(main.getActiveOBJ(), main.rooms()[0].room.get());
    EXPECT_EQ(main.rooms()[0].room->cell(30, 30), panel);
    EXPECT_EQ(main.project().customer.name, QStringLiteral("王先生"));
    EXPECT_TRUE(main.project().customer.locked);
    EXPECT_FALSE(main.actions()[QStringLiteral("savebt")]->isEnabled());
    EXPECT_TRUE(main.actions()[QStringLiteral("N90")]->isEnabled());
}
