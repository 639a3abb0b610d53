#include "store/store_copy.h"

#include "platform/database.h"
#include "platform/work_progress.h"
#include "store/database_files.h"
#include "store/room_ceilings.h"
#include "store/store_schema.h"

#include <QSqlDriver>
#include <QSqlRecord>
#include <QStringList>

namespace {

// Parents before the rows that refer to them.
const char* const storeTables[] = {"arealist", "workerlist", "userlist", "roomlist",
                                   "cutting_stock"};

// The rows copied so far, reported; thrown out of a copy that was asked to stop.
struct CopiedRows {
    ProgressScope& work;
    int done = 0;
};
struct Stopped {};

QString quoted(Database& db, const QString& name) {
    return db.connection().driver()->escapeIdentifier(name, QSqlDriver::FieldName);
}

// The table's real name in `db` (a server folds names to lower case).
QString tableIn(Database& db, const QString& table) {
    for (const QString& name : db.connection().tables()) {
        if (name.compare(table, Qt::CaseInsensitive) == 0) {
            return name;
        }
    }
    throw DatabaseError(("no table " + table).toStdString());
}

void copyTable(Database& from, Database& to, const QString& table, CopiedRows* copied) {
    const QString source = tableIn(from, table);
    const QString target = tableIn(to, table);
    const QSqlRecord targetColumns = to.connection().record(target);
    const QSqlRecord sourceColumns = from.connection().record(source);
    // The columns both have; a column only the target has keeps its default.
    QStringList names;
    QStringList marks;
    QList<int> sourceIndexes;
    for (int i = 0; i < targetColumns.count(); ++i) {
        const int at = sourceColumns.indexOf(targetColumns.fieldName(i));
        if (at >= 0) {
            names.append(quoted(to, targetColumns.fieldName(i)));
            marks.append(QStringLiteral("?"));
            sourceIndexes.append(at);
        }
    }
    const QString insert = QStringLiteral("insert into ") + quoted(to, target) +
                           QStringLiteral(" (") + names.join(u',') + QStringLiteral(") values (") +
                           marks.join(u',') + u')';
    QSqlQuery rows = from.exec(QStringLiteral("select * from ") + quoted(from, source) +
                               QStringLiteral(" order by id"));
    while (rows.next()) {
        if (copied && !copied->work.advance(copied->done++)) {
            throw Stopped{};
        }
        QVariantList values;
        values.reserve(sourceIndexes.size());
        for (const int at : sourceIndexes) {
            values.append(rows.value(at));
        }
        to.exec(insert, values);
    }
    if (to.isServer()) {
        // Rows came with their ids: the next id the server assigns follows the highest.
        to.exec(QStringLiteral("select setval(pg_get_serial_sequence(?, 'id'), "
                               "(select coalesce(max(id), 0) + 1 from ") +
                    quoted(to, target) + QStringLiteral("), false)"),
                {target});
    }
}

void copyTables(Database& from, Database& to, CopiedRows* copied = nullptr) {
    for (const char* table : storeTables) {
        // A store made before a table existed has no rows of it.
        if (from.hasColumn(QString::fromLatin1(table), QStringLiteral("id"))) {
            copyTable(from, to, QString::fromLatin1(table), copied);
        }
    }
    room_ceilings::copyAll(from, to);
}

int rowsOf(Database& db) {
    int rows = 0;
    for (const char* table : storeTables) {
        if (!db.hasColumn(QString::fromLatin1(table), QStringLiteral("id"))) {
            continue;
        }
        rows += db.scalar(QStringLiteral("select count(*) from ") +
                          quoted(db, tableIn(db, QString::fromLatin1(table))))
                    .toInt();
    }
    return rows;
}

} // namespace

namespace store_copy {

void copyRows(Database& from, Database& to) {
    Transaction transaction(to);
    copyTables(from, to);
    transaction.commit();
}

bool writeLocalFile(Database& source, const QString& target, WorkProgress& progress) {
    ProgressScope work(progress, QStringLiteral("复制客户库"), rowsOf(source), true);
    CopiedRows copied{work};
    try {
        database_files::writeNew(target, [&](const QString& empty) {
            Database local;
            QString error;
            if (!local.open(empty, &error)) {
                throw DatabaseError(error.toStdString());
            }
            {
                Transaction transaction(local);
                createStoreSchema(local);
                transaction.commit();
            }
            Transaction transaction(local);
            copyTables(source, local, &copied);
            transaction.commit();
        });
    } catch (const Stopped&) {
        return false; // the temporary file went with the unwinding
    }
    work.advance(copied.done);
    return true;
}

bool upload(const QString& localFile, Database& server, QString* problem) {
    Database local;
    QString error;
    if (!local.openReadOnly(localFile, &error)) {
        *problem = error;
        return false;
    }
    Transaction transaction(server);
    if (server.scalar(QStringLiteral("select count(*) from userlist")).toInt() > 0) {
        *problem = QStringLiteral("服务器客户库中已有客户,不能再上传.");
        return false;
    }
    // Without customers, rooms, areas and handlers on the server belong to nobody: the
    // local store's take their place with their own ids.
    for (const char* table : {"roomlist", "workerlist", "arealist", "cutting_stock"}) {
        server.exec(QStringLiteral("delete from ") + QString::fromLatin1(table));
    }
    copyTables(local, server);
    transaction.commit();
    return true;
}

} // namespace store_copy
