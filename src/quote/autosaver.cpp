#include "quote/autosaver.h"

#include "core/troom_obj.h"
#include "platform/database.h"
#include "quote/held_settings.h"
#include "quote/open_project.h"
#include "quote/recovery_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <atomic>

// One write on the writer's thread; `done` is set last, after `error`.
struct Autosaver::Job {
    QDateTime savedAt;
    QString error;
    std::atomic<bool> done{false};
};

namespace {

QString recoveryPath(const QString& folder) {
    QDir().mkpath(folder);
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmsszzz"));
    return QDir(folder).filePath(
        QStringLiteral("autosave-%1-%2.data").arg(QCoreApplication::applicationPid()).arg(stamp));
}

} // namespace

Autosaver::Autosaver(OpenProject& project, const HeldSettings& held, const QString& folder)
    : project_(project), held_(held), path_(recoveryPath(folder)),
      lock_(path_ + QStringLiteral(".lock")) {
    lock_.setStaleLockTime(0);
    lock_.tryLock(0);
    clock_.start();
    writer_.setMaxThreadCount(1);
    timer_.setInterval(1000);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tickAt(clock_.elapsed()); });
}

Autosaver::~Autosaver() {
    timer_.stop();
    writer_.waitForDone();
    recovery_file::remove(path_);
}

void Autosaver::start() {
    timer_.start();
}

void Autosaver::userInputAt(qint64 now, const TRoom_OBJ* active) {
    scheduler_.edited(now);
    snapshotter_.touch(active);
}

bool Autosaver::unsaved() const {
    if (project_.edited()) {
        return true;
    }
    for (const RoomEntry& entry : project_.room_list) {
        if (entry.room->roomModified) {
            return true;
        }
    }
    return false;
}

void Autosaver::tickAt(qint64 now) {
    if (job_) {
        if (!job_->done.load(std::memory_order_acquire)) {
            return;
        }
        collect(now);
    }
    if (!unsaved()) {
        discard();
        return;
    }
    scheduler_.setIntervalMinutes(held_.autosaveMinutes);
    if (!scheduler_.due(now)) {
        return;
    }
    ProjectCopy copy = snapshotter_.take(project_, activeRoom ? activeRoom() : nullptr);
    scheduler_.taken();
    CopyHeader header;
    header.pid = QCoreApplication::applicationPid();
    header.savedAt = QDateTime::currentDateTime();
    header.number = ++number_;
    auto job = std::make_shared<Job>();
    job->savedAt = header.savedAt;
    job_ = job;
    fileWritten_ = true;
    // The folder may have been made writable since the start.
    if (!lock_.isLocked()) {
        lock_.tryLock(0);
    }
    writer_.start([job, path = path_, header, copy = std::move(copy)] {
        try {
            recovery_file::write(path, header, copy);
        } catch (const DatabaseError& error) {
            job->error = QString::fromUtf8(error.what());
        }
        job->done.store(true, std::memory_order_release);
    });
}

void Autosaver::collect(qint64 now) {
    const std::shared_ptr<Job> job = std::move(job_);
    if (job->error.isEmpty()) {
        hasCopy_ = true;
        failureShown_ = false;
        if (onCopied) {
            onCopied(job->savedAt);
        }
        return;
    }
    // The file may lack rooms that the next copy would keep.
    snapshotter_.forget();
    scheduler_.failed(now);
    if (!failureShown_ && onFailed) {
        onFailed(job->error);
    }
    failureShown_ = true;
}

void Autosaver::finishWrite() {
    writer_.waitForDone();
    if (job_) {
        collect(clock_.elapsed());
    }
}

void Autosaver::adopt(const QString& file) {
    recovery_file::remove(path_);
    if (QFile::rename(file, path_)) {
        QFile::remove(file + QStringLiteral("-journal"));
        hasCopy_ = true;
        fileWritten_ = true;
    }
    snapshotter_.forget();
    scheduler_.edited(clock_.elapsed());
}

void Autosaver::discard() {
    scheduler_.reset();
    if (fileWritten_) {
        recovery_file::remove(path_);
        snapshotter_.forget();
        hasCopy_ = false;
        fileWritten_ = false;
    }
}

QString autosavedText(const QDateTime& when) {
    return QStringLiteral("已自动保存 ") + when.toString(QStringLiteral("HH:mm"));
}

QString autosaveFailedText(const QString& reason) {
    return QStringLiteral("自动保存失败，请及时保存：") + reason;
}
