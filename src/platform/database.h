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

// One connection to an SQLite database file (Qt SQL, driver QSQLITE). Statements
// always take bound parameters; names are never concatenated into SQL text.
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
    void close();
    bool isOpen() const;
    const QString& path() const { return path_; }

    // Runs a statement; throws DatabaseError on an engine error. The returned query is
    // positioned before the first row: walk it with next().
    QSqlQuery exec(const QString& sql, const QVariantList& params = {});
    // Runs an insert and returns the id the engine assigned.
    qint64 insert(const QString& sql, const QVariantList& params = {});
    // The first column of the first row, or an invalid variant when there is no row.
    QVariant scalar(const QString& sql, const QVariantList& params = {});

    // Column names compare without regard to case.
    bool hasColumn(const QString& table, const QString& column);

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
