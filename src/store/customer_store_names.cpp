// The area and handler lists of the customer store.

#include "platform/database.h"
#include "store/customer_store.h"

#include <QSqlQuery>

namespace {

// Where a list lives. The names are fixed here; values are always bound.
struct ListTable {
    const char* table;
    const char* name;      // the name column
    const char* reference; // the column of `userlist` that refers to an entry
};

ListTable tableOf(NameList list) {
    return list == NameList::Areas ? ListTable{"arealist", "title", "AREAID"}
                                   : ListTable{"workerlist", "workername", "worker"};
}

// The statement with the list's table, name column and reference column in place of
// "{table}", "{name}" and "{reference}".
QString statement(NameList list, const char* sql) {
    const ListTable t = tableOf(list);
    return QString::fromLatin1(sql)
        .replace(QLatin1String("{table}"), QLatin1String(t.table))
        .replace(QLatin1String("{name}"), QLatin1String(t.name))
        .replace(QLatin1String("{reference}"), QLatin1String(t.reference));
}

} // namespace

qint32 CustomerStore::areaId(const QString& title) {
    return nameId(NameList::Areas, title);
}

qint32 CustomerStore::workerId(const QString& name) {
    return nameId(NameList::Handlers, name);
}

qint32 CustomerStore::nameId(NameList list, const QString& name) {
    const QVariant id =
        db_.scalar(statement(list, "select id from {table} where {name} = ? order by id limit 1"),
                   {name.trimmed()});
    return id.isValid() ? id.toInt() : -1;
}

std::vector<NamedEntry> CustomerStore::names(NameList list) {
    std::vector<NamedEntry> entries;
    QSqlQuery q = db_.exec(statement(list, "select id, {name} from {table} order by id"));
    while (q.next()) {
        entries.push_back({q.value(0).toInt(), q.value(1).toString()});
    }
    return entries;
}

QStringList CustomerStore::nameChoices(NameList list) {
    QStringList choices{QStringLiteral("    ")};
    for (const NamedEntry& entry : names(list)) {
        choices << entry.name;
    }
    return choices;
}

qint32 CustomerStore::addName(NameList list, const QString& name) {
    return qint32(db_.insert(statement(list, "insert into {table} ({name}) values (?)"), {name}));
}

void CustomerStore::renameEntry(NameList list, qint32 id, const QString& name) {
    db_.exec(statement(list, "update {table} set {name} = ? where id = ?"), {name, id});
}

void CustomerStore::deleteEntry(NameList list, qint32 id) {
    db_.exec(statement(list, "delete from {table} where id = ?"), {id});
}

int CustomerStore::customersUsing(NameList list, qint32 id) {
    return db_.scalar(statement(list, "select count(*) from userlist where {reference} = ?"), {id})
        .toInt();
}
