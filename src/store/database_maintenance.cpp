#include "store/database_maintenance.h"

#include "platform/database.h"
#include "platform/prompts.h"
#include "store/database_files.h"
#include "store/store_copy.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString withSeparator(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString dated(const QString& folder, QDate date) {
    return withSeparator(folder) +
           QStringLiteral("备份文件/%1_%2_%3/").arg(date.year()).arg(date.month()).arg(date.day());
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

bool DatabaseMaintenance::backup(const QString& folder) {
    QDir().mkpath(folder);
    bool complete = true;
    for (const MaintainedDatabase* database : {&store_, &library_}) {
        const QString target = withSeparator(folder) + QFileInfo(database->path).fileName();
        if (database->connection.isServer()) {
            // The server's store becomes a local store file: a backup opens without a server.
            store_copy::writeLocalFile(database->connection, target);
            continue;
        }
        if (!QFileInfo(database->path).isFile()) {
            prompts_.message(QStringLiteral("找不到文件:") +
                             QDir::toNativeSeparators(database->path));
            complete = false;
            continue;
        }
        database_files::snapshot(database->path, target);
    }
    return complete;
}

void DatabaseMaintenance::compact() {
    if (!prompts_.confirm(QStringLiteral("压缩期间请不要关闭本程序"))) {
        prompts_.message(QStringLiteral("建议您每月压缩一次."));
        return;
    }
    const bool done = compactBoth();
    reopen(library_);
    if (!store_.connection.isServer()) {
        reopen(store_);
    }
    prompts_.message(done ? QStringLiteral("压缩数据库成功")
                          : QStringLiteral("失败!1.无ADO引擎 2.数据库正使用"));
}

bool DatabaseMaintenance::compactBoth() {
    // A file is replaced only with no connection of the program on it.
    // A server store is kept by its server.
    const bool localStore = !store_.connection.isServer();
    library_.connection.close();
    if (localStore) {
        store_.connection.close();
    }
    return database_files::compact(library_.path) &&
           (!localStore || database_files::compact(store_.path));
}

void DatabaseMaintenance::reopen(MaintainedDatabase& database) {
    QString error;
    if (!database.connection.open(database.path, &error)) {
        prompts_.message(error);
    }
}
