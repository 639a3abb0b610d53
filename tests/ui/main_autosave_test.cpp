#include "core/troom_obj.h"
#include "quote/open_project.h"
#include "quote/recovery_file.h"
#include "quote/room_digest.h"
#include "quote/setup_file.h"
#include "quote/setup_keys.h"
#include "quote/startup_session.h"
#include "staged_program.h"
#include "support/scripted_prompts.h"
#include "ui/main_actions.h"
#include "ui/tmainfm.h"
#include "ui/tsetupfm.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The copy a program that was killed left in the program folder: the customer "王五" with
// a stored id and two rooms.
QString leaveCopy(const StagedProgram& staged) {
    ProjectCopy copy;
    copy.customer.id = 41;
    copy.customer.name = QStringLiteral("王五");
    for (const char* title : {"客厅", "厨房"}) {
        NewRoomRequest request;
        request.name = QString::fromUtf8(title);
        RoomEntry entry = CreatNewRoom(RoomContext{}, request);
        entry.room->makeRectangle(400, 300);
        CopiedRoom room;
        room.key = long(copy.rooms.size()) + 1;
        room.entryId = 50 + int(copy.rooms.size());
        room.row.title = request.name;
        const RoomRecords records = writeRoomRecords(*entry.room);
        room.row.roomWall = records.wall;
        room.row.roomKouban = records.kouban;
        room.row.roomDianqi = records.dianqi;
        copy.rooms.push_back(room);
    }
    const QString folder = staged.home().file(QStringLiteral("数据文件/恢复"));
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/autosave-99-1.data");
    recovery_file::write(path, {99, QDateTime::currentDateTime(), 3}, copy);
    return path;
}

} // namespace

TEST(MainAutosave, AtStartALeftCopyBecomesTheEditedProjectAndIsCopiedAgainWithANoteInTheStatusBar) {
    StagedProgram staged;
    const QString left = leaveCopy(staged);
    StartupSession session(staged.path());
    ScriptedPrompts prompts;
    Tmainfm main(session, prompts);
    ASSERT_TRUE(main.FormCreate());
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    prompts.answerConfirm(true);
    main.startAutosave();

    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains(QStringLiteral("（客户：王五 时间：")));
    ASSERT_EQ(main.rooms().size(), 2u);
    EXPECT_EQ(main.pageControl()->count(), 3);
    EXPECT_EQ(main.pageControl()->tabText(2), QStringLiteral("厨房"));
    EXPECT_EQ(main.rooms()[1].id, 51);
    EXPECT_EQ(main.project().customer.id, 41);
    EXPECT_TRUE(main.projectEdited());
    EXPECT_TRUE(main.actions()["savebt"]->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(left));

    // The taken copy is replaced by one of this program a few seconds later.
    auto* status = main.findChild<QLabel*>(QStringLiteral("autosaveStatus"));
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(QTest::qWaitFor(
        [status] { return status->text().startsWith(QStringLiteral("已自动保存 ")); }, 10000));
    const QStringList copies = QDir(staged.home().file(QStringLiteral("数据文件/恢复")))
                                   .entryList({QStringLiteral("autosave-*.data")});
    ASSERT_EQ(copies.size(), 1);
    const auto copy =
        recovery_file::read(staged.home().file(QStringLiteral("数据文件/恢复/")) + copies[0]);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->copy.customer.name, QStringLiteral("王五"));
    EXPECT_EQ(copy->copy.rooms.size(), 2u);
}

TEST(MainAutosave, TheSettingsWindowKeepsTheIntervalWithinItsLimits) {
    StagedProgram staged;
    SetupFile setup(staged.home().file(QStringLiteral("setup.ini")));
    ASSERT_TRUE(setup.write(setup::autosaveMinutes, 5000));
    HeldSettings held;
    ScriptedPrompts prompts;
    Tsetupfm window({setup, held, prompts, {}, {}, {}});
    auto* interval = window.findChild<QSpinBox*>(QStringLiteral("autosave"));
    ASSERT_NE(interval, nullptr);
    EXPECT_EQ(interval->value(), 600) << "a stored value beyond the field's limit";
    EXPECT_EQ(held.autosaveMinutes, 600);
    interval->setValue(0);
    ASSERT_TRUE(window.Savetoinifile());
    EXPECT_EQ(setup.read(setup::autosaveMinutes), 0);
    EXPECT_EQ(held.autosaveMinutes, 0) << "0 turns the copies off at once";
}
