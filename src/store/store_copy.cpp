#include "store/store_copy.h"

#include "platform/database.h"
#include "store/database_files.h"
#include "store/store_schema.h"

#include <QSqlDriver>
#include <QSqlRecord>
#include <QStringList>

namespace {

// Parents before the rows that refer to them.
const char* const storeTables[] = {"arealist", "workerlist", "userlist", "roomlist",
                                   "cutting_stock"};

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

void copyTable(Database& from, Database& to, const QString& table) {
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

void copyTables(Database& from, Database& to) {
    for (const char* table : storeTables) {
        // A store made before a table existed has no rows of it.
        if (from.hasColumn(QString::fromLatin1(table), QStringLiteral("id"))) {
            copyTable(from, to, QString::fromLatin1(table));
        }
    }
}

} // namespace

namespace store_copy {

void copyRows(Database& from, Database& to) {
    Transaction transaction(to);
    copyTables(from, to);
    transaction.commit();
}

void writeLocalFile(Database& source, const QString& target) {
    database_files::writeNew(target, [&source](const QString& empty) {
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
        copyRows(source, local);
    });
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
