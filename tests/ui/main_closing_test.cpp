#include "core/ppdu_id.h"
#include "design/room_statistics.h"
#include "design_products.h"
#include "quote/startup_session.h"
#include "staged_program.h"
#include "support/scripted_prompts.h"
#include "ui/design_statistics_panel.h"
#include "ui/main_actions.h"
#include "ui/program_start.h"
#include "ui/tmainfm.h"
#include "ui/tsetupfm.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString SaveQuestion = QStringLiteral("threeway:已编辑,是否保存?");
const QString Reminder = QStringLiteral("confirm:请备份您的数据库");

// Accepts the next modal dialog with Enter once it shows.
void acceptNextDialog() {
    QTimer::singleShot(0, [] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Return);
        }
    });
}

// The quantity of a product in a room's bill lines.
double quantity(const TRoom_OBJ& room, int id) {
    for (const auto& line : room.billLines) {
        if (line->id == id) {
            return line->number;
        }
    }
    return 0;
}

} // namespace

TEST(MainClosing, TheStartRoomOffersNoUndoAndClosesWithoutAQuestion) {
    StagedProgram staged;
    StartupSession session(staged.path());
    ScriptedPrompts prompts;
    Tmainfm main(session, prompts, [] { return QDate(2024, 5, 7); });
    ASSERT_TRUE(main.FormCreate());
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    TRoom_OBJ* room = main.getActiveOBJ();
    ASSERT_NE(room, nullptr);
    EXPECT_FALSE(room->canUndo);
    EXPECT_FALSE(room->canRedo);
    EXPECT_FALSE(main.actions()["undo"]->isEnabled());
    EXPECT_TRUE(main.edgeTrimReady());
    EXPECT_TRUE(main.close());
    EXPECT_TRUE(prompts.shown.isEmpty()) << qPrintable(prompts.shown.join('\n'));
}

TEST(MainClosing, AnEditedRoomIsAskedAboutAndTheBackupIsRemindedAlsoAfterCancel) {
    StagedProgram staged;
    StartupSession session(staged.path());
    ScriptedPrompts prompts;
    QDate today(2024, 5, 15);
    Tmainfm main(session, prompts, [&today] { return today; });
    ASSERT_TRUE(main.FormCreate());
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    // "矩形墙面..." with the dialog's size.
    acceptNextDialog();
    main.actions()["N71"]->trigger();
    ASSERT_EQ(main.getActiveOBJ()->wall.pointCount(), 4);

    prompts.answerThreeWay(Prompts::Cancel);
    prompts.answerConfirm(false);
    EXPECT_FALSE(main.close());
    EXPECT_EQ(prompts.shown, QStringList({SaveQuestion, Reminder}));
    EXPECT_TRUE(main.isVisible());

    // Nothing can be stored before the customer store: "是" closes like "否".
    prompts.shown.clear();
    today = QDate(2024, 5, 16);
    prompts.answerThreeWay(Prompts::Yes);
    EXPECT_TRUE(main.close());
    EXPECT_EQ(prompts.shown, QStringList({SaveQuestion}));
}

TEST(MainClosing, SavedSettingsUpdateTheOpenRooms) {
    StagedProgram staged;
    design_products::add(staged);
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
    Tmainfm* main = program.mainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    TRoom_OBJ* empty = main->getActiveOBJ();
    NewRoomRequest request;
    // A 3 m room 10 cm into a 30 cm cell: the cells along its edges are covered in part.
    request.rectangleWidth = request.rectangleHeight = 300;
    main->CreatNewRoom(request);
    TRoom_OBJ* filled = main->getActiveOBJ();
    main->actions()["modeDesign"]->trigger();
    ASSERT_TRUE(design_products::choose(*main, design_products::Panel));
    main->actions()["fillAll"]->trigger();
    const double before = quantity(*filled, design_products::Panel);
    ASSERT_GT(before, 100) << "the partly covered cells count at 5 %";
    main->pageControl()->setCurrentIndex(1);
    ASSERT_EQ(main->getActiveOBJ(), empty);
    main->setEdgeTrimReady(false);

    Tsetupfm* settings = nullptr;
    for (QDialog* dialog : main->findChildren<QDialog*>()) {
        settings = settings ? settings : dynamic_cast<Tsetupfm*>(dialog);
    }
    ASSERT_NE(settings, nullptr);
    settings->findChild<QSpinBox*>("minnumber")->setValue(50);
    settings->findChild<QSpinBox*>("history")->setValue(35);
    settings->findChild<QPushButton*>("okButton")->click();

    const double after = quantity(*filled, design_products::Panel);
    EXPECT_LT(after, before) << "cells covered less than half no longer count";
    EXPECT_GT(after, 0);
    EXPECT_EQ(filled->minimumCoverage, 50);
    EXPECT_EQ(filled->undoLimit, 35);
    EXPECT_EQ(empty->undoLimit, 35);
    EXPECT_TRUE(main->edgeTrimReady());
    for (const StatisticsRow& row : main->statisticsPanel()->view().rows()) {
        EXPECT_NE(row.caption.trimmed(), "方板300") << "the list shows the active room's";
    }
    main->CreatNewRoom(request);
    EXPECT_EQ(main->getActiveOBJ()->undoLimit, 35) << "later rooms take the new depth";
    EXPECT_EQ(main->getActiveOBJ()->minimumCoverage, 50);
}
