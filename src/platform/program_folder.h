#pragma once

#include <QString>
#include <QStringList>

// The program folder: every relative path of the system is relative to it.
namespace program_folder {

// The delivered data folders copied into a fresh program folder.
const QStringList& deliveredFolders();

struct Candidates {
    QString homeArgument;      // the folder given with --home, or empty
    QString executableDir;     // the folder of the executable
    QString userDataDir;       // the per-user data folder
    QStringList deliveredData; // folders that may hold the delivered data, preferred first
};

struct Resolution {
    QString folder;  // absolute, without a trailing separator
    QString problem; // set when the folder has no product library and could not be seeded
};

// Takes --home DIR (or --home=DIR) from the arguments; empty when not given.
QString homeArgument(const QStringList& arguments);

// The folder given with --home; else the executable's folder when it holds 数据文件/
// and is writable; else the per-user folder. A chosen folder without its product
// library is seeded from the first of the delivered data folders that holds one; the
// problem names what was looked for when none does or the copy fails.
Resolution resolve(const Candidates& candidates);

// The candidates of the running program (QCoreApplication must exist): the delivered
// data is looked for in the installed share folder, then in `buildData` (the data the
// build delivered, when given), then beside the executable.
Candidates currentCandidates(const QStringList& arguments, const QString& buildData = {});

// Copies a folder tree; existing files are kept.
bool copyTree(const QString& from, const QString& to);

} // namespace program_folder
