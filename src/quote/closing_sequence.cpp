#include "quote/closing_sequence.h"

#include "platform/database.h"
#include "platform/prompts.h"
#include "quote/setup_file.h"

#include <exception>

bool backupReminderDue(QDate today, std::optional<QDate> lastBackup) {
    const int storedDay = lastBackup ? lastBackup->day() : 30;
    return today.day() % 5 == 0 && today.day() != storedDay;
}

ClosingSequence::ClosingSequence(SetupFile& setup, Prompts& prompts, Clock clock)
    : setup_(setup), prompts_(prompts), clock_(std::move(clock)) {
    if (!clock_) {
        clock_ = [] { return QDate::currentDate(); };
    }
}

bool ClosingSequence::FormCloseQuery() {
    if (hooks_.updateRequested && hooks_.updateRequested()) {
        return true;
    }
    const bool allow = askToSave();
    remindOfBackup();
    return allow;
}

bool ClosingSequence::askToSave() {
    if (!hooks_.projectEdited || !hooks_.projectEdited()) {
        return true;
    }
    Prompts::ThreeWay answer = Prompts::No;
    try {
        const QString name = hooks_.customerName ? hooks_.customerName() : QString();
        answer = prompts_.askThreeWay(name + QStringLiteral("已编辑,是否保存?"));
    } catch (const std::exception&) {
        return true; // a question that cannot be asked does not hold the window open
    }
    if (answer == Prompts::Cancel) {
        return false;
    }
    if (answer == Prompts::Yes && hooks_.saveProject) {
        try {
            if (!hooks_.saveProject()) {
                return false;
            }
        } catch (const DatabaseError& e) {
            prompts_.message(QString::fromStdString(e.what()));
            return false;
        }
    }
    return true;
}

void ClosingSequence::remindOfBackup() {
    if (!backupReminderDue(clock_(), setup_.read(setup::backup))) {
        return;
    }
    // The reminder is shown also before the backup command exists; "确定" then leaves the
    // backup to the user.
    if (!prompts_.confirm(QStringLiteral("请备份您的数据库")) || !hooks_.runBackup) {
        return;
    }
    try {
        hooks_.runBackup();
    } catch (const DatabaseError& e) {
        prompts_.message(QString::fromStdString(e.what()));
    }
}

bool ClosingSequence::writeExitSettings(int glen, const QStringList& searchHistory) {
    const bool glenWritten = setup_.write(setup::glen, glen);
    return setup_.writeSearchHistory(searchHistory) && glenWritten;
}
