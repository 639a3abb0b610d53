#include "quote/left_copies.h"

#include "platform/prompts.h"
#include "quote/autosaver.h"
#include "quote/open_project.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace left_copies {

std::vector<LeftCopy> find(const QString& folder, const QString& backupFolder) {
    std::vector<LeftCopy> copies;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("autosave-*.data")}, QDir::Files)) {
        LeftCopy copy;
        copy.path = dir.filePath(name);
        copy.lock = std::make_unique<QLockFile>(copy.path + QStringLiteral(".lock"));
        copy.lock->setStaleLockTime(0);
        // A lock that cannot be taken belongs to a program that is still running.
        if (!copy.lock->tryLock(0)) {
            continue;
        }
        std::optional<recovery_file::Contents> contents = recovery_file::read(copy.path);
        if (!contents) {
            moveToBackup(copy.path, backupFolder, QFileInfo(copy.path).lastModified());
            continue;
        }
        copy.contents = std::move(*contents);
        copies.push_back(std::move(copy));
    }
    std::sort(copies.begin(), copies.end(), [](const LeftCopy& a, const LeftCopy& b) {
        return a.contents.header.savedAt > b.contents.header.savedAt;
    });
    return copies;
}

QString question(const recovery_file::Contents& contents) {
    return QStringLiteral("上次未正常退出，发现自动保存的设计（客户：") +
           contents.copy.customer.name + QStringLiteral(" 时间：") +
           contents.header.savedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")) +
           QStringLiteral("），是否恢复？");
}

QString moveToBackup(const QString& path, const QString& backupFolder, const QDateTime& when) {
    QDir().mkpath(backupFolder);
    const QString stem = QDir(backupFolder)
                             .filePath(QStringLiteral("自动保存_") +
                                       when.toString(QStringLiteral("yyyyMMdd_HHmmss")));
    QString target = stem + QStringLiteral(".data");
    for (int n = 2; QFileInfo::exists(target); ++n) {
        target = stem + QStringLiteral("_%1.data").arg(n);
    }
    if (!QFile::rename(path, target)) {
        return {};
    }
    QFile::remove(path + QStringLiteral("-journal"));
    return target;
}

bool offer(const QString& folder, const QString& backupFolder, OpenProject& project,
           Prompts& prompts, Autosaver& autosaver) {
    for (LeftCopy& left : find(folder, backupFolder)) {
        if (prompts.askYesNo(QStringLiteral("提示信息"), question(left.contents))) {
            project.restoreCopy(left.contents.copy);
            autosaver.adopt(left.path);
            return true;
        }
        moveToBackup(left.path, backupFolder, left.contents.header.savedAt);
    }
    return false;
}

} // namespace left_copies
