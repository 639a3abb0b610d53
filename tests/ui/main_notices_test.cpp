// Work done without a window of its own tells the user in the status bar what it did;
// a written file that nothing can open is named.

#include "platform/default_opener.h"
#include "quote/open_project.h"
#include "staged_program.h"
#include "support/scripted_prompts.h"
#include "ui/design_statistics_panel.h"
#include "ui/main_actions.h"
#include "ui/program_start.h"
#include "ui/tmainfm.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <gtest/gtest.h>

TEST(MainNotices, SavingAndExportingSayWhatTheyDidAndAnUnopenedFileIsNamed) {
    StagedProgram staged("[setup]\r\nautocreateroom=0\r\n");
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
    Tmainfm& main = *program.mainWindow();
    QStatusBar* status = main.statusBar();
    const auto trigger = [&](const char* name) {
        main.actions()[QString::fromUtf8(name)]->trigger();
    };
    main.project().customer.name = QStringLiteral("钱七");
    main.CreatNewRoom({});
    main.getActiveOBJ()->makeRectangle(300, 300);

    trigger("savebt");
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^已保存 \\d\\d:\\d\\d$"))
                    .match(status->currentMessage())
                    .hasMatch())
        << status->currentMessage().toStdString();

    const QString sheet = staged.home().file(QStringLiteral("钱七.xls"));
    prompts.answerPath(sheet);
    main.statisticsPanel()->exportStatistics()->click();
    ASSERT_TRUE(QFile::exists(sheet));
    EXPECT_EQ(status->currentMessage(),
              QStringLiteral("已导出 ") + QDir::toNativeSeparators(sheet));

    // No program opens PDF files here.
    opener::setHandler([](const QString&) { return false; });
    const QString pdf = staged.home().file(QStringLiteral("导出文件/钱七_报价单.pdf"));
    prompts.answerPath(pdf);
    trigger("exportPdf3");
    opener::setHandler({});
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(status->currentMessage(), QStringLiteral("已导出 ") + QDir::toNativeSeparators(pdf));
    EXPECT_EQ(prompts.messages(),
              QStringList{QStringLiteral("已写入：") + QDir::toNativeSeparators(pdf) +
                          QStringLiteral("\n没有找到可以打开它的程序。")});
}
