#include "next_modal.h"
#include "platform/database.h"
#include "quote/open_project.h"
#include "staged_program.h"
#include "store/customer_store.h"
#include "support/scripted_prompts.h"
#include "ui/customer_page.h"
#include "ui/main_actions.h"
#include "ui/program_start.h"
#include "ui/room_canvas_widget.h"
#include "ui/tmainfm.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

void trigger(Tmainfm& main, const char* name) {
    main.actions()[QString::fromUtf8(name)]->trigger();
}

QStringList tabTitles(const Tmainfm& main) {
    QStringList titles;
    for (int i = 0; i < main.pageControl()->count(); ++i) {
        titles << main.pageControl()->tabText(i);
    }
    return titles;
}

} // namespace

TEST(MainProject, ANewCustomerWithTwoRoomsIsSavedAndOpensAgainAfterARestart) {
    StagedProgram staged("[PRO]\r\nINDEX=7\r\nINDEXlen=3\r\n[setup]\r\nautocreateroom=0\r\n");
    {
        ScriptedPrompts prompts;
        ProgramStart program(staged.path(), &prompts);
        ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
        Tmainfm& main = *program.mainWindow();
        EXPECT_FALSE(main.actions()["N90"]->isEnabled());

        // "新建": the customer form, then the new-room window for the first room.
        onNextModal([](QDialog& form) {
            EXPECT_EQ(form.windowTitle(), QStringLiteral("客户基本信息"));
            EXPECT_TRUE(form.findChild<QLabel*>()->text().contains(QStringLiteral("007")));
            form.findChild<QLineEdit*>(QStringLiteral("name"))->setText(QStringLiteral("王五"));
            form.findChild<QLineEdit*>(QStringLiteral("tele"))->setText(QStringLiteral("123"));
            onNextModal([](QDialog& newRoom) { newRoom.accept(); });
            form.accept();
        });
        trigger(main, "N27");
        ASSERT_EQ(main.rooms().size(), 1u);
        EXPECT_TRUE(main.actions()["N90"]->isEnabled());
        EXPECT_EQ(main.project().customer.proid, QStringLiteral("007"));
        main.getActiveOBJ()->makeRectangle(400, 300);
        main.getActiveOBJ()->roomModified = true;
        onNextModal([](QDialog& newRoom) { newRoom.accept(); });
        trigger(main, "N11");
        ASSERT_EQ(main.rooms().size(), 2u);
        main.getActiveOBJ()->makeRectangle(250, 200);

        prompts.answerText(QStringLiteral("卧室"));
        trigger(main, "sButton2");
        EXPECT_EQ(main.pageControl()->tabText(2), QStringLiteral("卧室"));
        EXPECT_TRUE(main.actions()["savebt"]->isEnabled());
        trigger(main, "savebt");
        EXPECT_FALSE(main.actions()["savebt"]->isEnabled());
        EXPECT_EQ(main.rooms()[1].room->wall.pointCount(), 4);
        EXPECT_TRUE(prompts.messages().isEmpty()) << qPrintable(prompts.shown.join('\n'));
    }

    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0);
    Tmainfm& main = *program.mainWindow();
    onNextModal([](QDialog& browser) {
        auto* table = browser.findChild<QTableView*>(QStringLiteral("customerTable"));
        ASSERT_EQ(table->model()->rowCount(), 1);
        EXPECT_EQ(table->model()->index(0, 2).data().toString(), QStringLiteral("王五"));
        table->selectRow(0);
        browser.findChild<QAction*>(QStringLiteral("openCustomer"))->trigger();
    });
    trigger(main, "ToolButton17");
    EXPECT_EQ(tabTitles(main), QStringList({"客户信息", "新房间", "卧室"}));
    EXPECT_EQ(main.project().customer.tele, QStringLiteral("123"));
    EXPECT_EQ(main.rooms()[0].room->wall.pointCount(), 4);
    EXPECT_EQ(main.rooms()[1].room->editMode, EditDesign);
    EXPECT_FALSE(main.projectEdited());
    auto* label = main.customerPage()->findChild<QLabel*>(QStringLiteral("proidLabel"));
    EXPECT_EQ(label->text(), QStringLiteral("项目编号:007"));

    // Deleting the active room takes its tab away; the canvas lives on for the next room.
    prompts.answerConfirm(true);
    prompts.answerConfirm(true);
    trigger(main, "ToolButton10");
    EXPECT_EQ(tabTitles(main), QStringList({"客户信息", "新房间"}));
    main.pageControl()->setCurrentIndex(1);
    EXPECT_EQ(main.getActiveOBJ(), main.rooms()[0].room.get());
    EXPECT_TRUE(main.canvas()->isVisible());
    EXPECT_TRUE(main.pageControl()->widget(1)->isAncestorOf(main.canvas()));
}

TEST(MainProject, TheRoomChecksExcludeRoomsAndClosingAsksAboutUnsavedChanges) {
    StagedProgram staged;
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0);
    Tmainfm& main = *program.mainWindow();
    main.project().CreatNewRoom({});
    trigger(main, "statistics");
    QListWidget* checks = main.customerPage()->roomChecks();
    ASSERT_EQ(checks->count(), 2);
    EXPECT_EQ(checks->item(1)->checkState(), Qt::Checked);
    checks->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(main.rooms()[1].room->not_Cacl, 1);
    EXPECT_EQ(main.pageControl()->currentIndex(), 0);

    auto* name = main.customerPage()->findChild<QLineEdit*>(QStringLiteral("name"));
    name->setText(QStringLiteral("赵"));
    EXPECT_TRUE(main.projectEdited());
    EXPECT_FALSE(main.actions()["N90"]->isEnabled()) << "no customer is stored yet";
    trigger(main, "savebt");
    EXPECT_FALSE(main.projectEdited());
    ASSERT_TRUE(main.actions()["N90"]->isEnabled());
    name->setText(QStringLiteral("赵六"));
    EXPECT_TRUE(main.projectEdited());
    EXPECT_EQ(main.project().customer.name, QStringLiteral("赵六"));
    prompts.answerThreeWay(Prompts::Cancel);
    trigger(main, "N90");
    ASSERT_FALSE(prompts.shown.isEmpty());
    EXPECT_EQ(prompts.shown.last(), QStringLiteral("threeway:当前客户赵六已修改,是否保存?"));
    EXPECT_EQ(main.rooms().size(), 2u) << "cancelled: nothing closed";
    prompts.answerThreeWay(Prompts::No);
    trigger(main, "N90");
    EXPECT_TRUE(main.rooms().empty());
    EXPECT_EQ(main.pageControl()->count(), 1);
    EXPECT_FALSE(main.projectEdited());
    for (const char* closed : {"statistics", "modeRoom", "modeDesign", "N34", "N90"}) {
        EXPECT_FALSE(main.actions()[closed]->isEnabled()) << closed;
    }
    main.showStatistics();
    EXPECT_TRUE(main.actions()["statistics"]->isEnabled()) << "the project area is back";
}

TEST(MainProject, AnExportedProjectComesBackAsAnOpenUnsavedProject) {
    StagedProgram staged("[setup]\r\nautocreateroom=0\r\n");
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
    Tmainfm& main = *program.mainWindow();
    for (const char* title : {"客厅", "厨房"}) {
        NewRoomRequest request;
        request.name = QString::fromUtf8(title);
        main.CreatNewRoom(request);
        main.getActiveOBJ()->makeRectangle(400, 300);
    }
    main.project().customer.name = QStringLiteral("赵六");
    main.project().fieldChanged();

    // Unsaved: the export asks to save first, then writes the file.
    const QString path = staged.home().file("赵六.zpk");
    prompts.answerConfirm(true);
    prompts.answerPath(path);
    trigger(main, "exportProjectFile");
    ASSERT_TRUE(QFile::exists(path)) << qPrintable(prompts.shown.join('\n'));
    const qint32 stored = main.project().customer.id;

    prompts.answerPath(path);
    trigger(main, "importProjectFile");
    OpenProject& project = main.project();
    EXPECT_EQ(project.customer.id, -1);
    EXPECT_EQ(project.customer.name, QStringLiteral("赵六"));
    ASSERT_EQ(project.room_list.size(), 2u);
    for (const RoomEntry& entry : project.room_list) {
        EXPECT_EQ(entry.id, -1);
    }
    EXPECT_TRUE(project.edited());
    EXPECT_TRUE(prompts.messages().contains(QStringLiteral("客户项目导入成功!")));
    Database store;
    ASSERT_TRUE(store.open(staged.home().file("数据文件/Userdb.data")));
    EXPECT_EQ(store.scalar(QStringLiteral("select count(*) from userlist")).toInt(), 1)
        << "the imported row left the store again";
    EXPECT_EQ(store.scalar(QStringLiteral("select min(id) from userlist")).toInt(), stored);
}
