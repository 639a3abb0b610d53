#pragma once

#include <QString>
#include <QStringList>

// The program folder: every relative path of the system is relative to it.
namespace program_folder {

// The delivered data folders copied into a fresh per-user program folder.
const QStringList& deliveredFolders();

struct Candidates {
    QString homeArgument;  // the folder given with --home, or empty
    QString executableDir; // the folder of the executable
    QString userDataDir;   // the per-user data folder
    QString installedData; // the installed delivered data (share/yanzhou)
};

// Takes --home DIR (or --home=DIR) from the arguments; empty when not given.
QString homeArgument(const QStringList& arguments);

// The folder given with --home; else the executable's folder when it holds 数据文件/
// and is writable; else the per-user folder, seeded from the installed data on its
// first use. Returns the absolute path without a trailing separator; `error` is set
// when seeding failed.
QString resolve(const Candidates& candidates, QString* error = nullptr);

// The candidates of the running program (QCoreApplication must exist).
Candidates currentCandidates(const QStringList& arguments);

// Copies a folder tree; existing files are kept.
bool copyTree(const QString& from, const QString& to);

} // namespace program_folder
