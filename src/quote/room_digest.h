#pragma once

#include <QByteArray>
#include <QString>

class TRoom_OBJ;

// The three records of a room as its writers give them.
struct RoomRecords {
    QByteArray wall;
    QByteArray kouban;
    QByteArray dianqi;
};

RoomRecords writeRoomRecords(TRoom_OBJ& room);

// Identifies what the room's stored records and picture were made from.
QByteArray roomDigest(const RoomRecords& records, const QString& title);
QByteArray roomDigest(TRoom_OBJ& room);
