#include "store/room_ceilings.h"

#include "platform/database.h"

#include <QSqlQuery>
#include <QString>

namespace room_ceilings {

void createTable(Database& db) {
    db.exec(QStringLiteral("create table roomceiling (id integer primary key, "
                           "height integer not null)"));
}

void createWhenMissing(Database& db) {
    if (!db.hasColumn(QStringLiteral("roomceiling"), QStringLiteral("height"))) {
        createTable(db);
    }
}

std::optional<int> heightOf(Database& db, qint32 roomId) {
    const QVariant height =
        db.scalar(QStringLiteral("select height from roomceiling where id = ?"), {roomId});
    return height.isValid() && !height.isNull() ? std::optional<int>(height.toInt()) : std::nullopt;
}

std::unordered_map<qint32, int> heightsOfCustomer(Database& db, qint32 userId) {
    std::unordered_map<qint32, int> heights;
    QSqlQuery q = db.exec(QStringLiteral("select roomceiling.id, roomceiling.height from "
                                         "roomceiling join roomlist on roomlist.id = "
                                         "roomceiling.id where roomlist.UserId = ?"),
                          {userId});
    while (q.next()) {
        heights[q.value(0).toInt()] = q.value(1).toInt();
    }
    return heights;
}

void store(Database& db, qint32 roomId, std::optional<int> heightCm) {
    removeRoom(db, roomId);
    if (heightCm) {
        db.exec(QStringLiteral("insert into roomceiling (id, height) values (?, ?)"),
                {roomId, *heightCm});
    }
}

void removeRoom(Database& db, qint32 roomId) {
    db.exec(QStringLiteral("delete from roomceiling where id = ?"), {roomId});
}

void removeCustomer(Database& db, qint32 userId) {
    db.exec(QStringLiteral("delete from roomceiling where id in "
                           "(select id from roomlist where UserId = ?)"),
            {userId});
}

void copyAll(Database& from, Database& to) {
    createWhenMissing(to);
    to.exec(QStringLiteral("delete from roomceiling"));
    if (!from.hasColumn(QStringLiteral("roomceiling"), QStringLiteral("height"))) {
        return;
    }
    QSqlQuery rows = from.exec(QStringLiteral("select id, height from roomceiling order by id"));
    while (rows.next()) {
        to.exec(QStringLiteral("insert into roomceiling (id, height) values (?, ?)"),
                {rows.value(0), rows.value(1)});
    }
}

} // namespace room_ceilings
