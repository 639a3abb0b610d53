#pragma once

#include <QDate>
#include <QString>

class Database;
class Prompts;
class WorkProgress;

// One of the program's two databases: its connection and its file.
struct MaintainedDatabase {
    Database& connection;
    QString path;
};

// The backup folders: "备份文件/" and the date as year_month_day without leading zeros.
namespace backup_folder {

// `备份文件/<date>/` in the program folder.
QString standard(const QString& programFolder, QDate date);
// `备份文件/<date>/` in a folder the user chose.
QString inChosen(const QString& chosen, QDate date);
// The folder typed into the backup window: trimmed, a relative text taken inside the
// program folder, always ending with a separator.
QString fromText(const QString& text, const QString& programFolder);

} // namespace backup_folder

// "备份数据库" and "压缩数据库" on the customer store and the product library.
class DatabaseMaintenance {
public:
    DatabaseMaintenance(MaintainedDatabase library, MaintainedDatabase store, Prompts& prompts);

    // Copies `Userdb.data`, then `db.data`, into the folder (created with its missing
    // parents); a customer store on a server is written there as a local store file.
    // The copies are written into a folder beside it and put in place only when both are
    // done; they keep the files' modes. A folder that already holds a backup is replaced
    // only after asking. What a killed backup left is removed first. The connections
    // stay open. A missing database file is reported and skipped. Returns whether both
    // files were copied; false, after telling the user, for a folder that cannot be
    // written; throws DatabaseError when a copy fails. Each database is a step of the
    // progress; a backup stopped midway leaves the folder as it was, and false.
    bool backup(const QString& folder, WorkProgress& progress);

    // Asks, then compacts the library and, when that succeeded, the store (unless it is
    // on a server, which keeps it), and says how it went. Both connections are closed meanwhile and
    // opened again afterwards. Each file is a step of the progress; stopped before the
    // second, the first stays compacted and nothing is said.
    void compact(WorkProgress& progress);

private:
    enum class Compacted { Done, Failed, Stopped };
    Compacted compactBoth(WorkProgress& progress);
    void reopen(MaintainedDatabase& database);

    MaintainedDatabase library_;
    MaintainedDatabase store_;
    Prompts& prompts_;
};
