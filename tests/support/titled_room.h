#pragma once

#include "store/customer_record.h"

// A room of a customer with only its title (and mode) set, its records empty.
inline RoomRecord titledRoom(qint32 userId, const QString& title, qint32 roomstyle = 0) {
    RoomRecord room;
    room.userId = userId;
    room.title = title;
    room.roomstyle = roomstyle;
    return room;
}
