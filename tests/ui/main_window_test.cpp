#include "quote/setup_file.h"
#include "staged_program.h"
#include "support/scripted_prompts.h"
#include "ui/main_actions.h"
#include "ui/program_start.h"
#include "ui/room_canvas_widget.h"
#include "ui/tmainfm.h"
#include "ui/tnewroomfm.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

TEST(MainWindow, StartsWithCaptionTabsAndStatusPanels) {
    StagedProgram staged("[setup]\r\ngw=600\r\ngh=450\r\n");
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
    Tmainfm* main = program.mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(QRegularExpression("^砚舟集成吊顶设计软件 V\\d+\\.\\d+\\.\\d+\\.\\d+$")
                    .match(main->windowTitle())
                    .hasMatch())
        << qPrintable(main->windowTitle());
    QTabWidget* pages = main->pageControl();
    ASSERT_EQ(pages->count(), 2);
    EXPECT_EQ(pages->tabText(0), "客户信息");
    EXPECT_EQ(pages->tabText(1), "新房间");
    EXPECT_EQ(pages->currentIndex(), 1);
    EXPECT_TRUE(pages->isVisible()) << "the project area replaces the start panel";
    EXPECT_TRUE(main->canvas()->isVisible());
    EXPECT_TRUE(pages->widget(1)->isAncestorOf(main->canvas()));

    ASSERT_EQ(main->rooms().size(), 1u);
    TRoom_OBJ* room = main->getActiveOBJ();
    ASSERT_EQ(room, main->rooms()[0].room.get());
    EXPECT_EQ(main->rooms()[0].id, -1);
    EXPECT_EQ(room->getName(), "新房间");
    EXPECT_EQ(room->columnWidth(1), 600);
    EXPECT_EQ(room->rowHeight(1), 450);
    EXPECT_EQ(room->roomstyle, SquarePanelRoom);
    EXPECT_EQ(room->wall.pointCount(), 0);
    EXPECT_EQ(room->editMode, EditAdjustWalls);
    EXPECT_EQ(room->tool, ToolDrawWalls);
    EXPECT_EQ(room->canvas, static_cast<RoomCanvas*>(main->canvas()));
    EXPECT_TRUE(main->actions()["N70"]->isChecked());
    EXPECT_EQ(main->statusPanel(6)->text(), "100%");
    for (int i = 0; i < Tmainfm::StatusPanels; ++i) {
        QLabel* panel = main->findChild<QLabel*>(QStringLiteral("statusPanel%1").arg(i));
        ASSERT_NE(panel, nullptr) << i;
        EXPECT_EQ(panel->parentWidget(), main->statusBar()) << i;
    }
    EXPECT_TRUE(prompts.shown.isEmpty()) << qPrintable(prompts.shown.join('\n'));
}

TEST(MainWindow, WithoutTheStartRoomTheStartPanelShows) {
    StagedProgram staged("[setup]\r\nautocreateroom=0\r\n");
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0);
    Tmainfm* main = program.mainWindow();
    EXPECT_EQ(main->pageControl()->count(), 1);
    EXPECT_EQ(main->getActiveOBJ(), nullptr);
    EXPECT_FALSE(main->pageControl()->isVisible());
    QWidget* start = main->findChild<QWidget*>("startPanel");
    ASSERT_NE(start, nullptr);
    EXPECT_TRUE(start->isVisible());
    EXPECT_FALSE(main->actions()["zoomIn"]->isEnabled());
}

TEST(MainWindow, RoomTabsCarryTheCurrentProductAndTheZoom) {
    StagedProgram staged;
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0);
    Tmainfm* main = program.mainWindow();
    TRoom_OBJ* first = main->getActiveOBJ();
    ASSERT_NE(first, nullptr);
    first->currentProduct = {12, 0, 1};
    NewRoomRequest request;
    request.name = "  客厅 ";
    main->CreatNewRoom(request);
    ASSERT_EQ(main->pageControl()->count(), 3);
    EXPECT_EQ(main->pageControl()->tabText(2), "客厅");
    TRoom_OBJ* second = main->getActiveOBJ();
    ASSERT_NE(second, first);
    EXPECT_EQ(second->currentProduct.id, 12);
    EXPECT_EQ(second->currentProduct.orientation, 1);
    EXPECT_TRUE(main->pageControl()->widget(2)->isAncestorOf(main->canvas()));

    main->actions()["zoomIn"]->trigger();
    EXPECT_EQ(second->zoom, 12);
    EXPECT_EQ(main->statusPanel(6)->text(), "120%");
    main->showStatistics();
    EXPECT_EQ(main->getActiveOBJ(), nullptr);
    EXPECT_FALSE(main->canvas()->isVisible());
    EXPECT_EQ(main->statusPanel(6)->text(), "");
}

TEST(MainWindow, CommandsHaveTheirCaptionsAndCustomerCommandsWaitForACustomer) {
    StagedProgram staged;
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0);
    MainActions& actions = program.mainWindow()->actions();
    EXPECT_EQ(actions["N27"]->text(), "新建客户...");
    EXPECT_EQ(actions["N27"]->iconText(), "新建");
    EXPECT_FALSE(actions["savebt"]->isEnabled());
    EXPECT_FALSE(actions["N34"]->isEnabled());
    EXPECT_FALSE(actions["N90"]->isEnabled());
    EXPECT_EQ(actions["exportExcel"]->text(), "导出统计表-EXCEL");
    EXPECT_TRUE(actions["setup"]->isEnabled());
    EXPECT_TRUE(actions["skin"]->isEnabled());
    EXPECT_TRUE(actions["exit"]->isEnabled());
    EXPECT_FALSE(actions.menu("flipMenu")->menuAction()->isVisible());
}

TEST(MainWindow, BrokenDatabaseEndsTheStartBeforeTheWindowShows) {
    StagedProgram staged;
    QFile::remove(staged.home().file("数据文件/Userdb.data"));
    staged.home().write("数据文件/Userdb.data", "garbage that is no database file");
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    EXPECT_EQ(program.start(), 1);
    EXPECT_EQ(prompts.messages(), QStringList({"客户库损坏或丢失,请重新下载安装软件."}));
    ASSERT_NE(program.mainWindow(), nullptr);
    EXPECT_FALSE(program.mainWindow()->isVisible());
    EXPECT_FALSE(QFileInfo::exists(staged.home().file("setup.ini")))
        << "a start that failed writes no settings at exit";
}

TEST(MainWindow, ClosingWritesTheFixedLengthAndTheSearchHistory) {
    StagedProgram staged("[setup]\r\nGlen=40\r\n[search]\r\n1=a\r\n2=b\r\n");
    {
        ScriptedPrompts prompts;
        ProgramStart program(staged.path(), &prompts);
        ASSERT_EQ(program.start(), 0);
        auto* length = program.mainWindow()->findChild<QSpinBox*>("sSpinEdit1");
        ASSERT_NE(length, nullptr);
        EXPECT_EQ(length->value(), 40) << "the settings window pushed Glen";
        length->setValue(75);
        EXPECT_TRUE(program.mainWindow()->close());
    }
    SetupFile setup(staged.home().file("setup.ini"));
    EXPECT_EQ(setup.read(setup::glen), 75);
    EXPECT_EQ(setup.readSearchHistory(), QStringList({"a", "b"}));
}

TEST(MainWindow, TheNewRoomDialogKeepsItsValuesAcrossRuns) {
    StagedProgram staged;
    // Each run opens "新建房间...", takes what the dialog shows and confirms `use`'s values;
    // then the settings window is opened and closed, which reloads the stored defaults.
    const auto run = [&staged](const std::function<void(QWidget&)>& use, NewRoomRequest& shown) {
        ScriptedPrompts prompts;
        ProgramStart program(staged.path(), &prompts);
        ASSERT_EQ(program.start(), 0);
        Tmainfm* main = program.mainWindow();
        QTimer::singleShot(0, [&] {
            auto* dialog = dynamic_cast<TNewRoomFM*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            shown = dialog->values();
            use(*dialog);
            dialog->accept();
        });
        main->actions()["N11"]->trigger();
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        main->actions()["setup"]->trigger();
        prompts.answerThreeWay(Prompts::No); // the new room is not to be saved
        EXPECT_TRUE(main->close());
    };
    NewRoomRequest shown;
    run(
        [](QWidget& dialog) {
            dialog.findChild<QSpinBox*>("roomWidthEdit")->setValue(520);
            dialog.findChild<QSpinBox*>("roomHeightEdit")->setValue(410);
            dialog.findChild<QSpinBox*>("cellWidthEdit")->setValue(250);
            dialog.findChildren<QRadioButton*>().at(1)->click();
        },
        shown);
    EXPECT_EQ(shown.rectangleWidth, 300);
    run([](QWidget&) {}, shown);
    EXPECT_EQ(shown.rectangleWidth, 520);
    EXPECT_EQ(shown.rectangleHeight, 410);
    EXPECT_EQ(shown.roomMode, 1);
    EXPECT_EQ(shown.columnWidth, 250);
    SetupFile setup(staged.home().file("setup.ini"));
    EXPECT_EQ(setup.read(setup::roomstyle), 1);
}
