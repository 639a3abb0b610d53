#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Prompts;
class SetupFile;

// Whether the backup reminder is due today: on days of the month divisible by 5 that
// differ from the day of the last backup, which counts as the 30th when none is stored.
bool backupReminderDue(QDate today, std::optional<QDate> lastBackup);

// What closing the main window asks of the open project and of database maintenance.
// Their subsystems fill the hooks in; an empty hook means "nothing to do".
struct CloseHooks {
    std::function<bool()> updateRequested; // the online update asked for the close
    std::function<bool()> projectEdited;
    std::function<QString()> customerName;
    std::function<bool()> saveProject; // false: the save failed (and said so)
    std::function<void()> runBackup;
};

// `FormCloseQuery` and the settings written by `FormDestroy`.
class ClosingSequence {
public:
    using Clock = std::function<QDate()>;

    ClosingSequence(SetupFile& setup, Prompts& prompts, Clock clock = {});

    CloseHooks& hooks() { return hooks_; }

    // Asks about an edited project and offers the backup command when the day calls for
    // it, also after the close was refused. Returns whether the window may close. A save
    // that fails keeps the window open, so that the project is not lost.
    bool FormCloseQuery();

    // Writes "Glen" and the search history. Returns false when the file could not be
    // written.
    bool writeExitSettings(int glen, const QStringList& searchHistory);

private:
    bool askToSave();
    void remindOfBackup();

    SetupFile& setup_;
    Prompts& prompts_;
    Clock clock_;
    CloseHooks hooks_;
};
