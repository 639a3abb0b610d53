#pragma once

#include "quote/autosave_scheduler.h"
#include "quote/autosave_snapshot.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QLockFile>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <memory>

class OpenProject;
struct HeldSettings;
class TRoom_OBJ;

// Writes automatic copies of the open project into this program's recovery file while
// the project has unsaved changes, and removes the copy once nothing is left unsaved
// (after a save, "关闭客户" or opening another customer) and when the program closes. The
// user-interface thread only takes the snapshot; the file is written on a thread of its
// own with its own connection. The customer store is never written.
class Autosaver {
public:
    // The recovery file goes into `folder` (made when missing), named after the process
    // and its start; a lock file beside it tells that the program is running.
    Autosaver(OpenProject& project, const HeldSettings& held, const QString& folder);
    ~Autosaver();
    Autosaver(const Autosaver&) = delete;
    Autosaver& operator=(const Autosaver&) = delete;

    // Starts the check that runs every second.
    void start();

    // The user worked while `active` was the active room (none on the customer page).
    void userInput(const TRoom_OBJ* active) { userInputAt(clock_.elapsed(), active); }
    void userInputAt(qint64 now, const TRoom_OBJ* active);
    // The check: reports a finished write, hands a due copy to the writer, removes the
    // copy when the project has nothing unsaved.
    void tickAt(qint64 now);
    // Waits for a running write and reports it.
    void finishWrite();

    // Takes over a left recovery file as this program's copy, to be replaced by the next.
    void adopt(const QString& file);

    const QString& path() const { return path_; }
    // The recovery file holds a copy of the open project.
    bool hasCopy() const { return hasCopy_; }

    // The room a copy encodes in any case: the active one.
    std::function<const TRoom_OBJ*()> activeRoom;
    // A copy was written at the given time.
    std::function<void(const QDateTime&)> onCopied;
    // A copy could not be written; said once until a copy succeeds again.
    std::function<void(const QString&)> onFailed;

private:
    struct Job;
    bool unsaved() const;
    // Takes the finished write: shows it, or says once that it failed and retries later.
    void collect(qint64 now);
    void discard();

    OpenProject& project_;
    const HeldSettings& held_;
    QString path_;
    QLockFile lock_;
    AutosaveScheduler scheduler_;
    AutosaveSnapshotter snapshotter_;
    QElapsedTimer clock_;
    QTimer timer_;
    QThreadPool writer_;
    std::shared_ptr<Job> job_;
    qint32 number_ = 0;
    bool hasCopy_ = false;
    bool fileWritten_ = false; // a write was started since the file was last removed
    bool failureShown_ = false;
};

// The text of the status bar after a copy: "已自动保存 HH:mm".
QString autosavedText(const QDateTime& when);
// The text of the status bar when a copy failed.
QString autosaveFailedText(const QString& reason);
