#include "platform/database.h"
#include "quote/closing_sequence.h"
#include "quote/setup_file.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

const QString Reminder = QStringLiteral("confirm:请备份您的数据库");

struct Closing {
    TempFolder home;
    SetupFile setup{home.file("setup.ini")};
    ScriptedPrompts prompts;
    QDate today{2024, 5, 7};
    ClosingSequence sequence{setup, prompts, [this] { return today; }};
    bool edited = false;
    int saves = 0;
    int backups = 0;

    Closing() {
        CloseHooks& h = sequence.hooks();
        h.projectEdited = [this] { return edited; };
        h.customerName = [] { return QStringLiteral("王五"); };
        h.saveProject = [this] {
            ++saves;
            return true;
        };
        h.runBackup = [this] { ++backups; };
    }
};

} // namespace

TEST(BackupReminder, DueOnDaysDivisibleByFiveUnlessBackedUpOnThatDay) {
    EXPECT_TRUE(backupReminderDue(QDate(2024, 5, 5), std::nullopt));
    EXPECT_TRUE(backupReminderDue(QDate(2024, 5, 25), std::nullopt));
    EXPECT_FALSE(backupReminderDue(QDate(2024, 5, 30), std::nullopt))
        << "no stored date counts as the 30th";
    EXPECT_FALSE(backupReminderDue(QDate(2024, 5, 7), std::nullopt));
    EXPECT_FALSE(backupReminderDue(QDate(2024, 6, 10), QDate(2023, 1, 10)))
        << "only the day of the month is compared";
    EXPECT_TRUE(backupReminderDue(QDate(2024, 6, 10), QDate(2024, 6, 9)));
    EXPECT_TRUE(backupReminderDue(QDate(2024, 3, 30), QDate(2024, 3, 15)));
}

TEST(ClosingSequence, UneditedProjectClosesWithoutQuestions) {
    Closing c;
    EXPECT_TRUE(c.sequence.FormCloseQuery());
    EXPECT_TRUE(c.prompts.shown.isEmpty());
}

TEST(ClosingSequence, EditedProjectIsAskedAboutByCustomerName) {
    Closing c;
    c.edited = true;
    c.prompts.answerThreeWay(Prompts::Yes);
    EXPECT_TRUE(c.sequence.FormCloseQuery());
    EXPECT_EQ(c.prompts.shown, QStringList({"threeway:王五已编辑,是否保存?"}));
    EXPECT_EQ(c.saves, 1);

    c.prompts.answerThreeWay(Prompts::No);
    EXPECT_TRUE(c.sequence.FormCloseQuery());
    EXPECT_EQ(c.saves, 1);
}

TEST(ClosingSequence, CancelKeepsTheWindowOpenAndStillReminds) {
    Closing c;
    c.edited = true;
    c.today = QDate(2024, 5, 15);
    c.prompts.answerThreeWay(Prompts::Cancel);
    c.prompts.answerConfirm(true);
    EXPECT_FALSE(c.sequence.FormCloseQuery());
    EXPECT_EQ(c.prompts.shown, QStringList({"threeway:王五已编辑,是否保存?", Reminder}));
    EXPECT_EQ(c.saves, 0);
    EXPECT_EQ(c.backups, 1);
}

TEST(ClosingSequence, ReminderFollowsTheStoredBackupDay) {
    Closing c;
    c.today = QDate(2024, 5, 20);
    ASSERT_TRUE(c.setup.write(setup::backup, QDate(2024, 4, 20)));
    EXPECT_TRUE(c.sequence.FormCloseQuery());
    EXPECT_TRUE(c.prompts.shown.isEmpty());

    ASSERT_TRUE(c.setup.write(setup::backup, QDate(2024, 5, 19)));
    c.prompts.answerConfirm(false);
    EXPECT_TRUE(c.sequence.FormCloseQuery());
    EXPECT_EQ(c.prompts.shown, QStringList({Reminder}));
    EXPECT_EQ(c.backups, 0);
}

TEST(ClosingSequence, TheReminderShowsAlsoWithoutABackupCommand) {
    Closing c;
    c.today = QDate(2024, 5, 5);
    c.sequence.hooks().runBackup = nullptr;
    c.prompts.answerConfirm(true);
    EXPECT_TRUE(c.sequence.FormCloseQuery());
    EXPECT_EQ(c.prompts.shown, QStringList({Reminder}));
}

TEST(ClosingSequence, AFailedSaveKeepsTheWindowOpen) {
    Closing c;
    c.edited = true;
    c.sequence.hooks().saveProject = []() -> bool { throw DatabaseError("disk I/O error"); };
    c.prompts.answerThreeWay(Prompts::Yes);
    EXPECT_FALSE(c.sequence.FormCloseQuery());
    EXPECT_EQ(c.prompts.messages(), QStringList({"disk I/O error"}));
    // A save that reports its own failure keeps the window open as well.
    c.sequence.hooks().saveProject = [] { return false; };
    c.prompts.answerThreeWay(Prompts::Yes);
    EXPECT_FALSE(c.sequence.FormCloseQuery());
}

TEST(ClosingSequence, AnUpdateClosesAtOnce) {
    Closing c;
    c.edited = true;
    c.today = QDate(2024, 5, 5);
    c.sequence.hooks().updateRequested = [] { return true; };
    EXPECT_TRUE(c.sequence.FormCloseQuery());
    EXPECT_TRUE(c.prompts.shown.isEmpty());
}

TEST(ClosingSequence, ExitWritesTheFixedLengthAndTheSearchHistory) {
    Closing c;
    c.home.write("setup.ini", "[search]\r\n1=old1\r\n2=old2\r\n3=old3\r\n");
    ASSERT_TRUE(c.sequence.writeExitSettings(45, {" 条扣 ", "灯"}));
    EXPECT_EQ(c.setup.read(setup::glen), 45);
    EXPECT_EQ(c.setup.readSearchHistory(), QStringList({"条扣", "灯", "old3"}));
}
