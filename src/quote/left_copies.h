#pragma once

#include "quote/recovery_file.h"

#include <QLockFile>
#include <QString>

#include <memory>
#include <vector>

class Autosaver;
class OpenProject;
class Prompts;

// The recovery files that programs which did not end cleanly left behind.
namespace left_copies {

struct LeftCopy {
    QString path;
    recovery_file::Contents contents;
    // Held while the copy is offered, so that no other starting program offers it too.
    std::unique_ptr<QLockFile> lock;
};

// The copies in `folder` whose program has ended, newest first. A file that holds no
// readable copy is moved to `backupFolder`.
std::vector<LeftCopy> find(const QString& folder, const QString& backupFolder);

// "上次未正常退出，发现自动保存的设计（客户：… 时间：…），是否恢复？"
QString question(const recovery_file::Contents& contents);

// Moves the file to `backupFolder` under a name made of its date; returns the new path,
// empty when it could not be moved.
QString moveToBackup(const QString& path, const QString& backupFolder, const QDateTime& when);

// Offers the left copies newest first until one is taken. 是 makes it the open project,
// edited, and hands its file to `autosaver`; 否 moves it to `backupFolder`. Copies after the
// one taken stay for the next start. True when a copy was taken.
bool offer(const QString& folder, const QString& backupFolder, OpenProject& project,
           Prompts& prompts, Autosaver& autosaver);

} // namespace left_copies
