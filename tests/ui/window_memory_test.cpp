// Windows open where the user left them, wide enough for what they show, and file and
// folder choices start in the export folder with a name that fits.

#include "library/library_schema.h"
#include "platform/database.h"
#include "platform/picture.h"
#include "platform/profile_file.h"
#include "staged_program.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "ui/program_start.h"
#include "ui/tmainfm.h"
#include "ui/tpromanagerfm.h"
#include "ui/tsavewebfm.h"
#include "ui/tuserfm.h"

#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <gtest/gtest.h>

TEST(WindowMemory, TheMainWindowOpensAgainWhereItWasLeft) {
    StagedProgram staged;
    const QRect left(60, 40, 1000, 700);
    {
        ScriptedPrompts prompts;
        ProgramStart program(staged.path(), &prompts);
        ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
        program.mainWindow()->setGeometry(left);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(program.mainWindow()));
    }
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0);
    EXPECT_EQ(program.mainWindow()->geometry(), left);
}

TEST(WindowMemory, TheProductManagerShowsAllColumnsAndKeepsItsPlace) {
    TempFolder home;
    Database db;
    ASSERT_TRUE(db.create(home.file(QStringLiteral("db.data"))));
    createLibrarySchema(db);
    db.exec(QStringLiteral("insert into cailiao (id, cailiao, comp_id) values (1,'扣板',7)"));
    db.exec(QStringLiteral("insert into xinghao (id, xinghao, cailiao_id) values (11,'方板',1)"));
    QImage picture(69, 30, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    db.exec(
        QStringLiteral("insert into pic (id, xinghao_id, title, style, width, height, price, "
                       "danwei, picurl, l_img) values (100,11,'板',0,300,300,1,'块','http://i',?)"),
        {picture::writeBmp(picture)});
    ProfileFile setup(home.file(QStringLiteral("setup.ini")));
    ScriptedPrompts prompts;
    const QRect moved(30, 20, 1100, 560);
    {
        Tpromanagerfm window(db, setup, prompts, home.path());
        window.scope = [] { return ManagerScope{7, 0}; };
        window.open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.nodeClicked(window.tree()->topLevelItem(0)->child(0)->child(0));
        QTest::qWait(0);
        QTableView* grid = window.grid();
        EXPECT_FALSE(grid->horizontalScrollBar()->isVisible())
            << "columns " << grid->horizontalHeader()->length() << " in "
            << grid->viewport()->width();
        window.setGeometry(moved);
        window.close();
    }
    Tpromanagerfm again(db, setup, prompts, home.path());
    again.scope = [] { return ManagerScope{7, 0}; };
    again.open();
    EXPECT_EQ(again.geometry(), moved);
}

TEST(WindowMemory, ExportsStartInTheExportFolderWithAFittingName) {
    StagedProgram staged;
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0);
    const QString exports = staged.home().file(QStringLiteral("导出文件"));

    prompts.answerCancel();
    program.mainWindow()
        ->customerBrowser()
        ->findChild<QAction*>(QStringLiteral("exportList"))
        ->trigger();
    EXPECT_EQ(prompts.shown.value(0).section(u'|', 1, 1), exports + "/全部客户信息.xlsx");

    // The program folder of a user's installation lies below ".local/share".
    const QString start = staged.home().file(QStringLiteral(".local/share/yanzhou/导出文件"));
    Tsavewebfm dialog(prompts, program.mainWindow());
    QString shownFolder;
    QString shownName;
    bool currentVisible = false;
    QTimer::singleShot(0, &dialog, [&] {
        auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("folderTree"));
        // The folders are read in the background: the start folder is still chosen and in
        // view once they are.
        QTest::qWait(1000);
        currentVisible = QTest::qWaitFor(
            [tree] {
                return tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex()));
            },
            5000);
        shownFolder = dialog.selectedFolder();
        shownName = dialog.nameField()->text();
        dialog.reject();
    });
    EXPECT_TRUE(dialog.choose(start, QStringLiteral("湖畔_赵六")).isEmpty());
    EXPECT_EQ(QDir(shownFolder), QDir(start));
    EXPECT_EQ(shownName, QStringLiteral("湖畔_赵六"));
    EXPECT_TRUE(currentVisible) << "the export folder is in view";
}
