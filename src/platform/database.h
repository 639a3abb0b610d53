#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <stdexcept>

class QSqlError;

// An engine error that the operation causing it does not catch: the top level shows
// its message and the operation stops. Errors whose cause the user can act on are told
// apart: their message names the cause and the file or server, in the user's words.
class DatabaseError : public std::runtime_error {
public:
    enum class Cause {
        Other,
        // Another connection holds the lock the statement needs, longer than it waits.
        Busy,
        // The database takes no writes (a write-protected file, a read-only login).
        ReadOnly,
        // The server cannot be reached, or the connection to it was lost.
        Unreachable,
    };

    explicit DatabaseError(const std::string& what, Cause cause = Cause::Other, QString place = {},
                           QString detail = {})
        : std::runtime_error(what), cause_(cause), place_(std::move(place)),
          detail_(std::move(detail)) {}

    Cause cause() const { return cause_; }
    // The database file, or the server as "host:port"; empty when not known.
    const QString& place() const { return place_; }
    // The driver's own words, without the statement.
    const QString& detail() const { return detail_; }

private:
    Cause cause_;
    QString place_;
    QString detail_;
};

// Where a PostgreSQL server keeps a database and who logs in. A host that starts with
// "/" is the folder of the server's Unix socket.
struct ServerSettings {
    QString host;
    int port = 5432;
    QString database;
    QString user;
    QString password;
    int connectSeconds = 10;
};

// One connection to a database: an SQLite file (Qt SQL, driver QSQLITE) or a database on
// a PostgreSQL server (driver QPSQL). Statements always take bound parameters; names are
// never concatenated into SQL text. What differs between the engines and every caller
// would otherwise have to know is settled here: the id read back after an insert, how
// dates are bound, and the case rule of a contains search.
class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing database file read-write. A missing file is never created;
    // a file that is not a database fails too. On failure `error` says why, as
    // openFailure() does.
    bool open(const QString& path, QString* error = nullptr);
    // The same without write access: statements that change the file fail.
    bool openReadOnly(const QString& path, QString* error = nullptr);
    // Creates a new empty database file (used only by the delivered-data builder).
    bool create(const QString& path, QString* error = nullptr);
    // Logs in to a database on a PostgreSQL server, giving up after `connectSeconds`;
    // keepalives end a connection to a server that vanished. On failure `error` says why.
    bool openServer(const ServerSettings& server, QString* error = nullptr);
    void close();
    bool isOpen() const;
    // The file of an SQLite database; empty for a server.
    const QString& path() const { return path_; }
    bool isServer() const { return server_; }
    // The file, or the server as "host:port", as messages name the database.
    const QString& place() const { return place_; }
    // What messages call the database ("客户库"); "数据库" unless set.
    void setSubject(const QString& subject) { subject_ = subject; }
    const QString& subject() const { return subject_; }
    // Why the last open failed, classified.
    const DatabaseError& openFailure() const { return openFailure_; }

    // Runs a statement; throws DatabaseError on an engine error. The returned query is
    // positioned before the first row: walk it with next().
    QSqlQuery exec(const QString& sql, const QVariantList& params = {});
    // Runs an insert into a table with an `id` column and returns the id the engine
    // assigned.
    qint64 insert(const QString& sql, const QVariantList& params = {});
    // Runs an update or delete and returns the number of rows it changed.
    int change(const QString& sql, const QVariantList& params = {});
    // The first column of the first row, or an invalid variant when there is no row.
    QVariant scalar(const QString& sql, const QVariantList& params = {});

    // Column names compare without regard to case.
    bool hasColumn(const QString& table, const QString& column);
    // Whether the catalogue holds an index of this name; reading it waits for no lock.
    bool hasIndex(const QString& name);

    // How long a statement waits for a lock another connection holds before it fails
    // as Busy; `restoreLockWait` goes back to the usual wait (five seconds on a file, the
    // server's setting on a server). Neither throws.
    void limitLockWait(int milliseconds);
    void restoreLockWait();

    // The condition "`column` contains the bound pattern of containsPattern()", ignoring
    // the case of Latin letters on both engines.
    QString containsCondition(const QString& column) const;

    // A transaction on a file takes the write lock at once, so that a second writer
    // waits for the first (up to the busy timeout) instead of failing when it writes
    // after reading.
    void beginTransaction();
    void commit();
    void rollback();

    QSqlDatabase& connection() { return db_; }

private:
    bool openConnection(const QString& path, QString* error, const QString& options = {});
    bool openExisting(const QString& path, QString* error, const QString& options);
    DatabaseError classified(const QSqlError& failure, DatabaseError::Cause cause,
                             const QString& engineText) const;
    bool failOpen(const QSqlError& failure, QString* error);
    [[noreturn]] void fail(const QSqlError& failure, const QString& sql) const;

    QString name_;
    QString path_;
    QString place_;
    QString subject_ = QStringLiteral("数据库");
    DatabaseError openFailure_{""};
    QSqlDatabase db_;
    bool server_ = false;
};

// The pattern of "column like ? escape '\'" that matches every text containing `text`
// literally: '%', '_' and '\' in it match only themselves.
QString containsPattern(QString text);

// Commits on commit(); rolls back when destroyed without it, so a failed save leaves
// the store as it was.
class Transaction {
public:
    explicit Transaction(Database& db) : db_(db) { db_.beginTransaction(); }
    ~Transaction() {
        if (!done_) {
            db_.rollback();
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit() {
        db_.commit();
        done_ = true;
    }

private:
    Database& db_;
    bool done_ = false;
};
