#include "platform/default_opener.h"
#include "platform/gbk.h"
#include "quote/open_project.h"
#include "staged_program.h"
#include "support/scripted_prompts.h"
#include "ui/design_statistics_panel.h"
#include "ui/main_actions.h"
#include "ui/program_start.h"
#include "ui/tmainfm.h"
#include "ui/tsavewebfm.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class ReportCommands : public ::testing::Test {
protected:
    void SetUp() override {
        opener::setHandler([this](const QString& path) {
            opened.append(path);
            return true;
        });
        ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
        main = program.mainWindow();
        main->project().customer.name = QStringLiteral("赵六");
        main->project().customer.areaTitle = QStringLiteral("湖畔");
    }
    void TearDown() override { opener::setHandler({}); }

    QAction* action(const char* name) { return main->actions()[QString::fromUtf8(name)]; }
    // What the print and export menus offer when they open.
    QStringList enabledOnOpening() {
        QStringList enabled;
        for (const char* menu : {"printMenu", "exportMenu"}) {
            emit main->actions().menu(QString::fromUtf8(menu))->aboutToShow();
        }
        for (const char* name : {"print1", "print2", "print3", "export1", "export2", "export3",
                                 "printPreview", "exportPdf3", "exportPdf2"}) {
            if (action(name)->isEnabled()) {
                enabled.append(QString::fromUtf8(name));
            }
        }
        return enabled;
    }

    StagedProgram staged{"[setup]\r\nautocreateroom=0\r\n"};
    ScriptedPrompts prompts;
    ProgramStart program{staged.path(), &prompts};
    Tmainfm* main = nullptr;
    QStringList opened;
};

TEST_F(ReportCommands, MenusFollowTheActivePageAndPagesOpenInTheBrowser) {
    EXPECT_EQ(enabledOnOpening(), QStringList{});
    NewRoomRequest request;
    request.name = QStringLiteral("客厅");
    main->CreatNewRoom(request);
    main->getActiveOBJ()->makeRectangle(300, 300);
    EXPECT_EQ(enabledOnOpening().size(), 9);

    action("print1")->trigger();
    const QString tmp = staged.home().file("tmp");
    EXPECT_EQ(opened, QStringList{tmp + "/00_客厅.htm"});
    EXPECT_TRUE(QFile::exists(tmp + "/赵六00_客厅.jpg"));

    // The button beside the room's statistics list writes that list.
    prompts.answerPath(staged.home().file("客厅.xls"));
    main->statisticsPanel()->exportStatistics()->click();
    QFile list(staged.home().file("客厅.xls"));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_TRUE(list.readLine().startsWith(gbk::encode("产品\t规格\t数量\t单位\t\r\n")));

    main->pageControl()->setCurrentIndex(0);
    EXPECT_EQ(enabledOnOpening(), (QStringList{"print2", "print3", "export2", "export3",
                                               "printPreview", "exportPdf3", "exportPdf2"}));
    EXPECT_FALSE(action("print1")->isEnabled()) << "the tool bar's 打印 follows the page";
    action("print3")->trigger();
    EXPECT_EQ(opened.last(), tmp + "/赵六_统计表.htm");
}

TEST_F(ReportCommands, TheExportDialogProposesTheFolderAndCreatesIt) {
    NewRoomRequest request;
    request.name = QStringLiteral("客厅");
    main->CreatNewRoom(request);
    main->getActiveOBJ()->makeRectangle(300, 300);
    const QString exports = staged.home().file("导出文件");
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [&, poll] {
        auto* dialog = dynamic_cast<Tsavewebfm*>(QApplication::activeModalWidget());
        if (!dialog) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        EXPECT_EQ(dialog->windowTitle(), "导出网页格式");
        EXPECT_EQ(dialog->nameField()->text(), "湖畔_赵六");
        EXPECT_EQ(QDir(dialog->selectedFolder()), QDir(exports));
        dialog->nameField()->setText(" 方案一 ");
        EXPECT_TRUE(dialog->pathLabel()->text().endsWith(QDir::toNativeSeparators("/方案一")));
        dialog->findChild<QPushButton*>("okButton")->click();
    });
    poll->start(10);
    ASSERT_TRUE(action("export2")->isEnabled());
    action("export2")->trigger();
    EXPECT_EQ(opened, QStringList{exports + "/方案一"});
    EXPECT_TRUE(QFile::exists(exports + "/方案一/赵六_设计图.htm"));
    EXPECT_TRUE(QFile::exists(exports + "/方案一/赵六00_客厅.jpg"));
}

TEST_F(ReportCommands, PdfEntriesWriteAndOpenTheFileAndThePreviewShowsTheStatistics) {
    NewRoomRequest request;
    request.name = QStringLiteral("客厅");
    main->CreatNewRoom(request);
    main->getActiveOBJ()->makeRectangle(300, 300);
    EXPECT_EQ(action("exportPdf3")->text(), "导出PDF报价单");
    EXPECT_EQ(action("exportPdf2")->text(), "导出PDF设计方案");
    EXPECT_EQ(action("printPreview")->text(), "打印预览...");

    const QString pdf = staged.home().file("方案.pdf");
    prompts.answerPath(pdf);
    action("exportPdf2")->trigger();
    EXPECT_EQ(opened, QStringList{pdf});
    EXPECT_TRUE(prompts.shown.last().startsWith("save:导出PDF设计方案|" +
                                                staged.home().file("导出文件/赵六_设计方案.pdf")))
        << qPrintable(prompts.shown.last());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");

    int pages = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, main, [&] {
        auto* preview = main->findChild<QPrintPreviewDialog*>();
        if (!preview || !preview->isVisible()) {
            return;
        }
        poll.stop();
        pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
        preview->reject();
    });
    poll.start(10);
    action("printPreview")->trigger();
    EXPECT_EQ(pages, 1);
}

} // namespace
