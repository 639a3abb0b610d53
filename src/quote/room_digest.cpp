#include "quote/room_digest.h"

#include "core/troom_obj.h"

#include <QCryptographicHash>

RoomRecords writeRoomRecords(TRoom_OBJ& room) {
    RoomRecords records;
    room.writeWall(&records.wall);
    room.writeKouban(&records.kouban);
    room.writeDianqi(&records.dianqi);
    return records;
}

QByteArray roomDigest(const RoomRecords& records, const QString& title) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QByteArray* part : {&records.wall, &records.kouban, &records.dianqi}) {
        const qint64 size = part->size();
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(&size), sizeof size));
        hash.addData(*part);
    }
    hash.addData(title.toUtf8());
    return hash.result();
}

QByteArray roomDigest(TRoom_OBJ& room) {
    return roomDigest(writeRoomRecords(room), room.getName());
}
