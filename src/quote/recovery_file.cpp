#include "quote/recovery_file.h"

#include "platform/database.h"
#include "quote/room_digest.h"

#include <QFile>
#include <QFileInfo>

#include <unordered_map>

namespace {

const char* const Schema[] = {
    "create table if not exists copy (id integer primary key check (id = 1), "
    "pid integer, saved_at text, number integer, project blob)",
    "create table if not exists room (key integer primary key, position integer, "
    "entry_id integer, title text, roomstyle integer, zoom integer, paper_width integer, "
    "not_cacl integer, roomwall blob, roomkouban blob, roomdianqi blob, digest blob)",
    // Tables of their own, so that a file written before they existed still reads.
    "create table if not exists room_ceiling (key integer primary key, height integer)",
    "create table if not exists cutting_stock (product integer primary key, length integer)",
};

bool hasTable(Database& db, const QString& name) {
    return db.scalar(QStringLiteral("select count(*) from sqlite_master where type = 'table' "
                                    "and name = ?"),
                     {name})
               .toInt() > 0;
}

// The rooms' own heights and the stock lengths are few rows, written whole each time.
void writeHeightsAndStock(Database& db, const ProjectCopy& copy) {
    db.exec(QStringLiteral("delete from room_ceiling"));
    for (const CopiedRoom& room : copy.rooms) {
        if (room.ceilingHeight) {
            db.exec(QStringLiteral("insert into room_ceiling values (?, ?)"),
                    {room.key, *room.ceilingHeight});
        }
    }
    db.exec(QStringLiteral("delete from cutting_stock"));
    for (const auto& [product, length] : copy.cuttingStock) {
        db.exec(QStringLiteral("insert into cutting_stock values (?, ?)"), {product, length});
    }
}

void readHeightsAndStock(Database& db, ProjectCopy& copy) {
    if (hasTable(db, QStringLiteral("room_ceiling"))) {
        std::unordered_map<qint64, int> heights;
        QSqlQuery rows = db.exec(QStringLiteral("select key, height from room_ceiling"));
        while (rows.next()) {
            heights.emplace(rows.value(0).toLongLong(), rows.value(1).toInt());
        }
        for (CopiedRoom& room : copy.rooms) {
            if (const auto found = heights.find(room.key); found != heights.end()) {
                room.ceilingHeight = found->second;
            }
        }
    }
    if (hasTable(db, QStringLiteral("cutting_stock"))) {
        QSqlQuery rows = db.exec(QStringLiteral("select product, length from cutting_stock"));
        while (rows.next()) {
            copy.cuttingStock[rows.value(0).toInt()] = rows.value(1).toInt();
        }
    }
}

QByteArray digestOf(const RoomRecord& row) {
    return roomDigest({row.roomWall, row.roomKouban, row.roomDianqi}, row.title);
}

void writePlainColumns(Database& db, const CopiedRoom& room, int position) {
    const RoomRecord& r = room.row;
    const int changed = db.change(
        QStringLiteral("update room set position = ?, entry_id = ?, title = ?, roomstyle = ?, "
                       "zoom = ?, paper_width = ?, not_cacl = ? where key = ?"),
        {position, room.entryId, r.title, r.roomstyle, r.zoom, r.paperWidth, int(r.notCacl),
         room.key});
    if (changed != 1) {
        throw DatabaseError("the recovery file lacks the records of an unchanged room");
    }
}

void writeWholeRoom(Database& db, const CopiedRoom& room, int position, const QByteArray& digest) {
    const RoomRecord& r = room.row;
    db.exec(
        QStringLiteral("insert or replace into room values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {room.key, position, room.entryId, r.title, r.roomstyle, r.zoom, r.paperWidth,
         int(r.notCacl), r.roomWall, r.roomKouban, r.roomDianqi, digest});
}

} // namespace

namespace recovery_file {

void write(const QString& path, const CopyHeader& header, const ProjectCopy& copy) {
    Database db;
    QString error;
    const bool opened = QFileInfo::exists(path) ? db.open(path, &error) : db.create(path, &error);
    if (!opened) {
        throw DatabaseError(error.toStdString());
    }
    Transaction transaction(db);
    for (const char* statement : Schema) {
        db.exec(QString::fromLatin1(statement));
    }
    db.exec(QStringLiteral("insert or replace into copy values (1, ?, ?, ?, ?)"),
            {header.pid, header.savedAt.toString(Qt::ISODateWithMs), header.number,
             encodeProjectPart(copy)});

    std::unordered_map<qint64, QByteArray> stored;
    QSqlQuery digests = db.exec(QStringLiteral("select key, digest from room"));
    while (digests.next()) {
        stored.emplace(digests.value(0).toLongLong(), digests.value(1).toByteArray());
    }
    for (int position = 0; position < int(copy.rooms.size()); ++position) {
        const CopiedRoom& room = copy.rooms[std::size_t(position)];
        const auto found = stored.find(room.key);
        if (room.recordsKept) {
            writePlainColumns(db, room, position);
        } else if (const QByteArray digest = digestOf(room.row);
                   found != stored.end() && found->second == digest) {
            writePlainColumns(db, room, position);
        } else {
            writeWholeRoom(db, room, position, digest);
        }
        if (found != stored.end()) {
            stored.erase(found);
        }
    }
    for (const auto& [key, digest] : stored) {
        db.exec(QStringLiteral("delete from room where key = ?"), {key});
    }
    writeHeightsAndStock(db, copy);
    transaction.commit();
}

std::optional<Contents> read(const QString& path, QString* error) {
    Database db;
    if (!db.open(path, error)) {
        return std::nullopt;
    }
    auto fail = [error](const QString& why) -> std::optional<Contents> {
        if (error) {
            *error = why;
        }
        return std::nullopt;
    };
    try {
        if (!hasTable(db, QStringLiteral("copy"))) {
            return fail(QStringLiteral("no copy"));
        }
        QSqlQuery head = db.exec(QStringLiteral("select pid, saved_at, number, project from copy"));
        if (!head.next()) {
            return fail(QStringLiteral("no copy"));
        }
        Contents contents;
        contents.header.pid = head.value(0).toLongLong();
        contents.header.savedAt =
            QDateTime::fromString(head.value(1).toString(), Qt::ISODateWithMs);
        contents.header.number = head.value(2).toInt();
        if (!decodeProjectPart(head.value(3).toByteArray(), contents.copy)) {
            return fail(QStringLiteral("damaged copy"));
        }
        QSqlQuery rooms = db.exec(QStringLiteral(
            "select key, entry_id, title, roomstyle, zoom, paper_width, not_cacl, roomwall, "
            "roomkouban, roomdianqi from room order by position"));
        while (rooms.next()) {
            CopiedRoom room;
            room.key = rooms.value(0).toLongLong();
            room.entryId = rooms.value(1).toInt();
            room.row.id = room.entryId;
            room.row.title = rooms.value(2).toString();
            room.row.roomstyle = rooms.value(3).toInt();
            room.row.zoom = rooms.value(4).toInt();
            room.row.paperWidth = rooms.value(5).toInt();
            room.row.notCacl = rooms.value(6).toInt() != 0;
            room.row.roomWall = rooms.value(7).toByteArray();
            room.row.roomKouban = rooms.value(8).toByteArray();
            room.row.roomDianqi = rooms.value(9).toByteArray();
            contents.copy.rooms.push_back(std::move(room));
        }
        readHeightsAndStock(db, contents.copy);
        return contents;
    } catch (const DatabaseError& e) {
        return fail(QString::fromUtf8(e.what()));
    }
}

bool remove(const QString& path) {
    QFile::remove(path + QStringLiteral("-journal"));
    return !QFileInfo::exists(path) || QFile::remove(path);
}

} // namespace recovery_file
