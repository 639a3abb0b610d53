#include "store/customer_store.h"

#include "platform/database.h"
#include "store/room_ceilings.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString plainColumns =
    QStringLiteral("id, UserId, Title, Roomstyle, zoom, PaperWidth, not_cacl");
const QString allColumns = plainColumns + QStringLiteral(", RoomWall, RoomKouban, RoomDianqi, pic");

RoomRecord readRoom(const QSqlQuery& q, bool withRecords) {
    RoomRecord r;
    r.id = q.value(0).toInt();
    r.userId = q.value(1).toInt();
    r.title = q.value(2).toString();
    r.roomstyle = q.value(3).toInt();
    r.zoom = q.value(4).toInt();
    r.paperWidth = q.value(5).toInt();
    r.notCacl = q.value(6).toInt() != 0;
    if (withRecords) {
        r.roomWall = q.value(7).toByteArray();
        r.roomKouban = q.value(8).toByteArray();
        r.roomDianqi = q.value(9).toByteArray();
        r.pic = q.value(10).toByteArray();
    }
    return r;
}

} // namespace

std::vector<RoomRecord> CustomerStore::roomsOf(qint32 userId, bool withRecords) {
    std::vector<RoomRecord> rooms;
    QSqlQuery q = db_.exec(QStringLiteral("select %1 from roomlist where UserId = ? order by id")
                               .arg(withRecords ? allColumns : plainColumns),
                           {userId});
    while (q.next()) {
        rooms.push_back(readRoom(q, withRecords));
    }
    return rooms;
}

std::optional<RoomRecord> CustomerStore::room(qint32 id) {
    QSqlQuery q =
        db_.exec(QStringLiteral("select %1 from roomlist where id = ?").arg(allColumns), {id});
    if (!q.next()) {
        return std::nullopt;
    }
    return readRoom(q, true);
}

bool CustomerStore::roomExists(qint32 id) {
    return db_.scalar(QStringLiteral("select 1 from roomlist where id = ?"), {id}).isValid();
}

qint32 CustomerStore::insertRoom(const RoomRecord& r) {
    return qint32(db_.insert(
        QStringLiteral("insert into roomlist (UserId, Title, Roomstyle, zoom, PaperWidth, "
                       "not_cacl, RoomWall, RoomKouban, RoomDianqi, pic) "
                       "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {r.userId, r.title, r.roomstyle, r.zoom, r.paperWidth, r.notCacl ? 1 : 0, r.roomWall,
         r.roomKouban, r.roomDianqi, r.pic}));
}

void CustomerStore::updateRoom(const RoomRecord& r, bool withRecords) {
    QVariantList values{r.userId, r.title, r.roomstyle, r.zoom, r.paperWidth, r.notCacl ? 1 : 0};
    QString sql = QStringLiteral(
        "update roomlist set UserId = ?, Title = ?, Roomstyle = ?, zoom = ?, PaperWidth = ?, "
        "not_cacl = ?");
    if (withRecords) {
        sql += QStringLiteral(", RoomWall = ?, RoomKouban = ?, RoomDianqi = ?, pic = ?");
        values << r.roomWall << r.roomKouban << r.roomDianqi << r.pic;
    }
    values << r.id;
    db_.exec(sql + QStringLiteral(" where id = ?"), values);
}

void CustomerStore::deleteRoom(qint32 id) {
    room_ceilings::removeRoom(db_, id);
    db_.exec(QStringLiteral("delete from roomlist where id = ?"), {id});
}

void CustomerStore::renameRoom(qint32 id, const QString& title) {
    db_.exec(QStringLiteral("update roomlist set Title = ? where id = ?"), {title, id});
}

QByteArray CustomerStore::roomPicture(qint32 id) {
    return db_.scalar(QStringLiteral("select pic from roomlist where id = ?"), {id}).toByteArray();
}

void CustomerStore::setRoomPicture(qint32 id, const QByteArray& picture) {
    db_.exec(QStringLiteral("update roomlist set pic = ? where id = ?"), {picture, id});
}
