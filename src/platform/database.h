#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <stdexcept>

// An engine error that the operation causing it does not catch: the top level shows
// the engine's message and the operation stops.
class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where a PostgreSQL server keeps a database and who logs in. A host that starts with
// "/" is the folder of the server's Unix socket.
struct ServerSettings {
    QString host;
    int port = 5432;
    QString database;
    QString user;
    QString password;
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
    // a file that is not a database fails too. On failure `error` says why.
    bool open(const QString& path, QString* error = nullptr);
    // The same without write access: statements that change the file fail.
    bool openReadOnly(const QString& path, QString* error = nullptr);
    // Creates a new empty database file (used only by the delivered-data builder).
    bool create(const QString& path, QString* error = nullptr);
    // Logs in to a database on a PostgreSQL server. On failure `error` says why.
    bool openServer(const ServerSettings& server, QString* error = nullptr);
    void close();
    bool isOpen() const;
    // The file of an SQLite database; empty for a server.
    const QString& path() const { return path_; }
    bool isServer() const { return server_; }

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

    // The condition "`column` contains the bound pattern of containsPattern()", ignoring
    // the case of Latin letters on both engines.
    QString containsCondition(const QString& column) const;

    void beginTransaction();
    void commit();
    void rollback();

    QSqlDatabase& connection() { return db_; }

private:
    bool openConnection(const QString& path, QString* error, const QString& options = {});
    bool openExisting(const QString& path, QString* error, const QString& options);

    QString name_;
    QString path_;
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
