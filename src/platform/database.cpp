#include "platform/database.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>

#include <atomic>

namespace {

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("yz_db_%1").arg(++counter);
}

[[noreturn]] void fail(const QSqlError& error, const QString& sql) {
    throw DatabaseError((error.text() + QStringLiteral(" [") + sql + u']').toStdString());
}

// The server driver would bind a date-time as a UTC instant but reads a `timestamp`
// back as local wall-clock time. Bound as its local wall-clock text, a date comes back
// as it went in, as it does from an SQLite file.
QVariant serverValue(const QVariant& value) {
    if (value.typeId() == QMetaType::QDateTime) {
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    }
    return value;
}

} // namespace

Database::Database() : name_(nextConnectionName()) {}

Database::~Database() {
    close();
}

bool Database::openConnection(const QString& path, QString* error, const QString& options) {
    close();
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db_.setDatabaseName(path);
    db_.setConnectOptions(options);
    if (!db_.open()) {
        if (error) {
            *error = db_.lastError().text();
        }
        close();
        return false;
    }
    path_ = path;
    return true;
}

bool Database::open(const QString& path, QString* error) {
    return openExisting(path, error, {});
}

bool Database::openReadOnly(const QString& path, QString* error) {
    return openExisting(path, error, QStringLiteral("QSQLITE_OPEN_READONLY"));
}

bool Database::openExisting(const QString& path, QString* error, const QString& options) {
    QFileInfo info(path);
    if (!info.isFile()) {
        if (error) {
            *error = QStringLiteral("file not found: ") + path;
        }
        return false;
    }
    if (!openConnection(path, error, options)) {
        return false;
    }
    // SQLite opens any file lazily; reading the schema proves it is a database.
    QSqlQuery probe(db_);
    if (!probe.exec(QStringLiteral("select count(*) from sqlite_master")) || !probe.next()) {
        if (error) {
            *error = probe.lastError().text();
        }
        probe = QSqlQuery();
        close();
        return false;
    }
    return true;
}

bool Database::create(const QString& path, QString* error) {
    return openConnection(path, error);
}

bool Database::openServer(const ServerSettings& server, QString* error) {
    close();
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name_);
    db_.setHostName(server.host);
    db_.setPort(server.port);
    db_.setDatabaseName(server.database);
    db_.setUserName(server.user);
    db_.setPassword(server.password);
    if (!db_.open()) {
        if (error) {
            *error = db_.lastError().text();
        }
        close();
        return false;
    }
    server_ = true;
    // Notices ("table does not exist, skipping") are no news to the program. A setting
    // cannot be a prepared statement.
    QSqlQuery(db_).exec(QStringLiteral("set client_min_messages to warning"));
    // The program's statements read at most a few hundred thousand index entries, which
    // one backend scans faster than parallel workers start up (a customer list with its
    // room count: 40 ms instead of 110 to 170 ms).
    QSqlQuery(db_).exec(QStringLiteral("set max_parallel_workers_per_gather to 0"));
    return true;
}

void Database::close() {
    if (db_.isValid()) {
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
    }
    path_.clear();
    server_ = false;
}

bool Database::isOpen() const {
    return db_.isValid() && db_.isOpen();
}

QSqlQuery Database::exec(const QString& sql, const QVariantList& params) {
    QSqlQuery query(db_);
    // Forward-only queries of the server driver fetch row by row, one result per row,
    // which costs several times more than taking the rows at once.
    query.setForwardOnly(!server_);
    if (server_ && params.isEmpty()) {
        // The server prepares only queries and row changes, not definitions.
        if (!query.exec(sql)) {
            fail(query.lastError(), sql);
        }
        return query;
    }
    if (!query.prepare(sql)) {
        fail(query.lastError(), sql);
    }
    for (const QVariant& p : params) {
        query.addBindValue(server_ ? serverValue(p) : p);
    }
    if (!query.exec()) {
        fail(query.lastError(), sql);
    }
    return query;
}

qint64 Database::insert(const QString& sql, const QVariantList& params) {
    if (server_) {
        // The server reports no row id of its own; the statement returns the new one.
        QSqlQuery query = exec(sql + QStringLiteral(" returning id"), params);
        return query.next() ? query.value(0).toLongLong() : -1;
    }
    QSqlQuery query = exec(sql, params);
    return query.lastInsertId().toLongLong();
}

int Database::change(const QString& sql, const QVariantList& params) {
    return exec(sql, params).numRowsAffected();
}

QVariant Database::scalar(const QString& sql, const QVariantList& params) {
    QSqlQuery query = exec(sql, params);
    return query.next() ? query.value(0) : QVariant();
}

bool Database::hasColumn(const QString& table, const QString& column) {
    const QSqlRecord record = db_.record(table);
    for (int i = 0; i < record.count(); ++i) {
        if (record.fieldName(i).compare(column, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

QString Database::containsCondition(const QString& column) const {
    // SQLite's like already ignores the case of Latin letters; the server's does not.
    return column + (server_ ? QStringLiteral(" ilike ? escape '\\'")
                             : QStringLiteral(" like ? escape '\\'"));
}

void Database::beginTransaction() {
    if (!db_.transaction()) {
        fail(db_.lastError(), QStringLiteral("begin"));
    }
}

void Database::commit() {
    if (!db_.commit()) {
        fail(db_.lastError(), QStringLiteral("commit"));
    }
}

void Database::rollback() {
    db_.rollback();
}

QString containsPattern(QString text) {
    text.replace(u'\\', QLatin1String("\\\\"));
    text.replace(u'%', QLatin1String("\\%"));
    text.replace(u'_', QLatin1String("\\_"));
    return u'%' + text + u'%';
}
