#include "platform/database.h"

#include "platform/database_problem.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>

#include <atomic>

namespace {

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("yz_db_%1").arg(++counter);
}

// The file driver's own busy timeout, in milliseconds.
constexpr int FileLockWait = 5000;

// SQLite's result codes (the primary ones, in the low byte of an extended code).
constexpr int SqliteBusy = 5;
constexpr int SqliteLocked = 6;
constexpr int SqliteReadOnly = 8;

DatabaseError::Cause fileCause(const QSqlError& error) {
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number) & 0xff;
    if (!number) {
        return DatabaseError::Cause::Other;
    }
    if (code == SqliteBusy || code == SqliteLocked) {
        return DatabaseError::Cause::Busy;
    }
    return code == SqliteReadOnly ? DatabaseError::Cause::ReadOnly : DatabaseError::Cause::Other;
}

// By the SQLSTATE of the failed statement; a connection that broke leaves none, only the
// client library's words.
DatabaseError::Cause serverCause(const QSqlError& error) {
    const QString state = error.nativeErrorCode();
    // lock_not_available, deadlock_detected, query_canceled (a statement timeout)
    if (state == QLatin1String("55P03") || state == QLatin1String("40P01") ||
        state == QLatin1String("57014")) {
        return DatabaseError::Cause::Busy;
    }
    // read_only_sql_transaction, insufficient_privilege
    if (state == QLatin1String("25006") || state == QLatin1String("42501")) {
        return DatabaseError::Cause::ReadOnly;
    }
    // connection_exception, admin_shutdown, crash_shutdown, cannot_connect_now
    if (state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("57P"))) {
        return DatabaseError::Cause::Unreachable;
    }
    const QString text = error.text();
    for (const char* lost :
         {"server closed the connection", "no connection to the server", "terminating connection",
          "could not send data", "could not receive data", "connection to server",
          "timeout expired", "Connection timed out"}) {
        if (text.contains(QLatin1String(lost), Qt::CaseInsensitive)) {
            return DatabaseError::Cause::Unreachable;
        }
    }
    return DatabaseError::Cause::Other;
}

// The driver's text without Qt's prefix line ("QPSQL: Unable to create query") and on
// one line.
QString driverText(const QSqlError& error) {
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.simplified();
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

DatabaseError Database::classified(const QSqlError& failure, DatabaseError::Cause cause,
                                   const QString& engineText) const {
    const QString detail = driverText(failure);
    QString text;
    switch (cause) {
    case DatabaseError::Cause::Busy:
        text = database_problem::busy(subject_, place_, detail);
        break;
    case DatabaseError::Cause::ReadOnly:
        text = database_problem::readOnly(subject_, place_, detail);
        break;
    case DatabaseError::Cause::Unreachable:
        text = database_problem::unreachable(subject_, place_, detail);
        break;
    case DatabaseError::Cause::Other:
        text = engineText;
        break;
    }
    return DatabaseError(text.toStdString(), cause, place_, detail);
}

void Database::fail(const QSqlError& failure, const QString& sql) const {
    throw classified(failure, server_ ? serverCause(failure) : fileCause(failure),
                     failure.text() + QStringLiteral(" [") + sql + u']');
}

bool Database::failOpen(const QSqlError& failure, QString* error) {
    // Any failure to log in leaves the server unreached, a wrong password included.
    const bool server = db_.driverName() == QLatin1String("QPSQL");
    openFailure_ = classified(
        failure, server ? DatabaseError::Cause::Unreachable : fileCause(failure), failure.text());
    if (error) {
        *error = QString::fromStdString(openFailure_.what());
    }
    close();
    return false;
}

bool Database::openConnection(const QString& path, QString* error, const QString& options) {
    close();
    place_ = path;
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db_.setDatabaseName(path);
    db_.setConnectOptions(options);
    if (!db_.open()) {
        return failOpen(db_.lastError(), error);
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
        close();
        place_ = path;
        openFailure_ = DatabaseError("file not found", DatabaseError::Cause::Other, path);
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
        const QSqlError failure = probe.lastError();
        probe = QSqlQuery();
        return failOpen(failure, error);
    }
    return true;
}

bool Database::create(const QString& path, QString* error) {
    return openConnection(path, error);
}

bool Database::openServer(const ServerSettings& server, QString* error) {
    close();
    place_ = server.host + u':' + QString::number(server.port);
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name_);
    db_.setHostName(server.host);
    db_.setPort(server.port);
    db_.setDatabaseName(server.database);
    db_.setUserName(server.user);
    db_.setPassword(server.password);
    // Without a timeout a server that takes the connection but never answers would hold
    // the program for ever; keepalives notice a server that vanished mid-session.
    db_.setConnectOptions(
        QStringLiteral("connect_timeout=%1;keepalives=1;keepalives_idle=30;"
                       "keepalives_interval=10;keepalives_count=3;tcp_user_timeout=30000")
            .arg(server.connectSeconds));
    if (!db_.open()) {
        return failOpen(db_.lastError(), error);
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
    place_.clear();
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

bool Database::hasIndex(const QString& name) {
    return scalar(server_ ? QStringLiteral("select 1 from pg_indexes where schemaname = "
                                           "current_schema() and indexname = lower(?)")
                          : QStringLiteral("select 1 from sqlite_master where type = 'index' "
                                           "and name = ? collate nocase"),
                  {name})
        .isValid();
}

void Database::limitLockWait(int milliseconds) {
    // A setting cannot be a bound parameter. A connection too broken to take it fails
    // its next statement anyway.
    QSqlQuery(db_).exec((server_ ? QStringLiteral("set lock_timeout = %1")
                                 : QStringLiteral("pragma busy_timeout = %1"))
                            .arg(milliseconds));
}

void Database::restoreLockWait() {
    if (server_) {
        // The server's own setting, as the administrator may have made it.
        QSqlQuery(db_).exec(QStringLiteral("reset lock_timeout"));
    } else {
        limitLockWait(FileLockWait);
    }
}

QString Database::containsCondition(const QString& column) const {
    // SQLite's like already ignores the case of Latin letters; the server's does not.
    return column + (server_ ? QStringLiteral(" ilike ? escape '\\'")
                             : QStringLiteral(" like ? escape '\\'"));
}

void Database::beginTransaction() {
    if (server_) {
        exec(QStringLiteral("begin"));
    } else {
        exec(QStringLiteral("begin immediate"));
    }
}

void Database::commit() {
    exec(QStringLiteral("commit"));
}

void Database::rollback() {
    QSqlQuery(db_).exec(QStringLiteral("rollback"));
}

QString containsPattern(QString text) {
    text.replace(u'\\', QLatin1String("\\\\"));
    text.replace(u'%', QLatin1String("\\%"));
    text.replace(u'_', QLatin1String("\\_"));
    return u'%' + text + u'%';
}
