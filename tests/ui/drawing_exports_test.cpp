#include "platform/default_opener.h"
#include "quote/open_project.h"
#include "staged_program.h"
#include "support/dxf_readback.h"
#include "support/scripted_prompts.h"
#include "ui/main_actions.h"
#include "ui/program_start.h"
#include "ui/tmainfm.h"

#include <QAction>
#include <QDir>
#include <QJsonArray>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

// The export menu's two drawing entries as a dealer uses them: the folder is asked for,
// the drawings are written there and the folder is opened; cancelling writes nothing.
TEST(DrawingExports, TheActiveRoomOrEveryRoomIsWrittenAndTheFolderOpened) {
    QStringList opened;
    opener::setHandler([&opened](const QString& path) {
        opened.append(path);
        return true;
    });
    StagedProgram staged{"[setup]\r\nautocreateroom=0\r\n"};
    ScriptedPrompts prompts;
    ProgramStart program{staged.path(), &prompts};
    ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
    Tmainfm* main = program.mainWindow();
    main->project().customer.name = QStringLiteral("赵六");
    for (const char* name : {"客厅", "主卧"}) {
        NewRoomRequest request;
        request.name = QString::fromUtf8(name);
        main->CreatNewRoom(request);
        main->getActiveOBJ()->makeRectangle(300, 240);
    }
    QStringList entries;
    for (const QAction* a : main->actions().menu(QStringLiteral("exportMenu"))->actions()) {
        entries << a->text();
    }
    EXPECT_TRUE(entries.contains(QStringLiteral("导出DXF图纸")));
    EXPECT_TRUE(entries.contains(QStringLiteral("导出全部房间DXF")));

    const QString one = staged.home().file("图纸/一间");
    prompts.answerPath(one);
    main->actions()[QStringLiteral("exportDxf")]->trigger();
    EXPECT_EQ(filesIn(one), QStringList{QStringLiteral("赵六-主卧.dxf")});
    EXPECT_EQ(opened, QStringList{one});
    const QJsonObject dxf = readDxfBack(QDir(one).filePath(QStringLiteral("赵六-主卧.dxf")));
    EXPECT_TRUE(dxf["errors"].toArray().isEmpty());
    EXPECT_EQ(dxf["texts"].toArray().first().toObject()["text"].toString(), QStringLiteral("主卧"));

    const QString all = staged.home().file("图纸/全部");
    prompts.answerPath(all);
    main->actions()[QStringLiteral("exportDxfAll")]->trigger();
    EXPECT_EQ(filesIn(all),
              (QStringList{QStringLiteral("赵六-主卧.dxf"), QStringLiteral("赵六-客厅.dxf")}));
    EXPECT_EQ(opened.last(), all);

    prompts.answerCancel();
    main->actions()[QStringLiteral("exportDxfAll")]->trigger();
    EXPECT_EQ(opened.size(), 2);
    EXPECT_TRUE(prompts.unanswered.isEmpty());
    opener::setHandler({});
}

} // namespace
