#include "store/database_maintenance.h"

#include "platform/database.h"
#include "platform/prompts.h"
#include "platform/work_progress.h"
#include "store/database_files.h"
#include "store/store_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <filesystem>

namespace {

QString withSeparator(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString dated(const QString& folder, QDate date) {
    return withSeparator(folder) +
           QStringLiteral("备份文件/%1_%2_%3/").arg(date.year()).arg(date.month()).arg(date.day());
}

// The name part of the folder a backup is written into before it is complete:
// "~<backup folder>.backup-XXXXXX" beside the backup folder.
const QString LeftoverMark = QStringLiteral(".backup-");

QString unwritable(const QString& folder, const QString& detail) {
    return QStringLiteral("备份文件夹无法写入: ") + QDir::toNativeSeparators(folder) +
           QStringLiteral(" (") + detail + u')';
}

bool holdsBackup(const QString& folder) {
    const QDir dir(folder);
    return dir.exists(QStringLiteral("Userdb.data")) || dir.exists(QStringLiteral("db.data"));
}

// What a killed backup left: its unfinished folders beside the backup folder, and the
// engine's temporary files ("~ACP….tmp" with their journals) in the backup folder itself,
// where backups used to be written straight.
void removeLeftovers(const QString& parent, const QString& target) {
    const QDir beside(parent);
    for (const QFileInfo& entry :
         beside.entryInfoList({QStringLiteral("~*") + LeftoverMark + u'*'},
                              QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        QDir(entry.absoluteFilePath()).removeRecursively();
    }
    const QDir folder(target);
    for (const QString& name :
         folder.entryList({QStringLiteral("~ACP*.tmp"), QStringLiteral("~ACP*.tmp-journal")},
                          QDir::Files | QDir::Hidden)) {
        QFile::remove(folder.filePath(name));
    }
}

// Puts the complete backup written into `partial` in the place of `target`: the whole
// folder when there is none yet, else each file over its older copy (other files of the
// folder stay).
void publish(QTemporaryDir& partial, const QString& target) {
    // A temporary folder is its owner's only; the backup folder is made like its parent.
    std::error_code ignored;
    std::filesystem::permissions(
        partial.path().toStdU16String(),
        std::filesystem::status(QFileInfo(target).absolutePath().toStdU16String(), ignored)
            .permissions(),
        ignored);
    if (!QFileInfo::exists(target)) {
        if (QDir().rename(partial.path(), target)) {
            partial.setAutoRemove(false);
            return;
        }
        QDir().mkpath(target);
    }
    const QDir from(partial.path());
    for (const QString& name : from.entryList(QDir::Files)) {
        std::error_code failure;
        std::filesystem::rename(from.filePath(name).toStdU16String(),
                                QDir(target).filePath(name).toStdU16String(), failure);
        if (failure) {
            throw DatabaseError(
                unwritable(target, QString::fromStdString(failure.message())).toStdString());
        }
    }
}

} // namespace

namespace backup_folder {

QString standard(const QString& programFolder, QDate date) {
    return dated(programFolder, date);
}

QString inChosen(const QString& chosen, QDate date) {
    return dated(QDir::fromNativeSeparators(chosen), date);
}

QString fromText(const QString& text, const QString& programFolder) {
    const QString folder = QDir::fromNativeSeparators(text.trimmed());
    return withSeparator(QDir(programFolder).absoluteFilePath(folder));
}

} // namespace backup_folder

DatabaseMaintenance::DatabaseMaintenance(MaintainedDatabase library, MaintainedDatabase store,
                                         Prompts& prompts)
    : library_(std::move(library)), store_(std::move(store)), prompts_(prompts) {}

bool DatabaseMaintenance::backup(const QString& folder, WorkProgress& progress) {
    const QFileInfo target(QDir::cleanPath(folder));
    const QString parent = target.absolutePath();
    if (!QDir().mkpath(parent)) {
        prompts_.message(unwritable(folder, QStringLiteral("无法创建文件夹")));
        return false;
    }
    removeLeftovers(parent, target.absoluteFilePath());
    if (holdsBackup(target.absoluteFilePath()) &&
        !prompts_.confirm(QStringLiteral("文件夹中已有备份,是否替换?\n") +
                          QDir::toNativeSeparators(folder))) {
        return false;
    }
    // Written beside the backup folder and put in its place when complete, so that a backup
    // that did not finish never looks like one.
    QTemporaryDir partial(parent + QStringLiteral("/~") + target.fileName() + LeftoverMark +
                          QStringLiteral("XXXXXX"));
    if (!partial.isValid()) {
        prompts_.message(unwritable(folder, partial.errorString()));
        return false;
    }
    // Stopping leaves `partial` unpublished: it goes with everything written into it.
    ProgressScope work(progress, QStringLiteral("备份数据库"), 2, true);
    int step = 0;
    bool complete = true;
    for (const MaintainedDatabase* database : {&store_, &library_}) {
        if (!work.advance(step++)) {
            return false;
        }
        const QString copy = partial.filePath(QFileInfo(database->path).fileName());
        if (database->connection.isServer()) {
            // The server's store becomes a local store file: a backup opens without a server.
            if (!store_copy::writeLocalFile(database->connection, copy, progress)) {
                return false;
            }
            continue;
        }
        if (!QFileInfo(database->path).isFile()) {
            prompts_.message(QStringLiteral("找不到文件:") +
                             QDir::toNativeSeparators(database->path));
            complete = false;
            continue;
        }
        database_files::snapshot(database->path, copy, database->connection.subject());
    }
    if (!work.advance(step)) {
        return false;
    }
    publish(partial, target.absoluteFilePath());
    return complete;
}

void DatabaseMaintenance::compact(WorkProgress& progress) {
    if (!prompts_.confirm(QStringLiteral("压缩期间请不要关闭本程序"))) {
        prompts_.message(QStringLiteral("建议您每月压缩一次."));
        return;
    }
    const Compacted done = compactBoth(progress);
    reopen(library_);
    if (!store_.connection.isServer()) {
        reopen(store_);
    }
    if (done != Compacted::Stopped) {
        prompts_.message(done == Compacted::Done
                             ? QStringLiteral("压缩数据库成功")
                             : QStringLiteral("失败!1.无ADO引擎 2.数据库正使用"));
    }
}

DatabaseMaintenance::Compacted DatabaseMaintenance::compactBoth(WorkProgress& progress) {
    // A file is replaced only with no connection of the program on it.
    // A server store is kept by its server.
    const bool localStore = !store_.connection.isServer();
    library_.connection.close();
    if (localStore) {
        store_.connection.close();
    }
    // Each file is compacted whole or not at all, so stopping between them is harmless.
    ProgressScope work(progress, QStringLiteral("压缩数据库"), localStore ? 2 : 1, true);
    if (!work.advance(0)) {
        return Compacted::Stopped;
    }
    if (!database_files::compact(library_.path)) {
        return Compacted::Failed;
    }
    if (localStore) {
        if (!work.advance(1)) {
            return Compacted::Stopped;
        }
        if (!database_files::compact(store_.path)) {
            return Compacted::Failed;
        }
    }
    work.advance(localStore ? 2 : 1);
    return Compacted::Done;
}

void DatabaseMaintenance::reopen(MaintainedDatabase& database) {
    QString error;
    if (!database.connection.open(database.path, &error)) {
        prompts_.message(error);
    }
}
