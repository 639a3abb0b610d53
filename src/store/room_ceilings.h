#pragma once

#include <QtGlobal>

#include <optional>
#include <unordered_map>

class Database;

// The ceiling heights that rooms were given for their 3D view, in a table of their own
// beside the rooms, `roomceiling` (id: the room's id in roomlist; height: cm), so that the
// room rows, the exchange file and the pages keep their layouts. A room without a row
// takes the program's setting. Engine errors are thrown (DatabaseError).
namespace room_ceilings {

// The table, in a new store.
void createTable(Database& db);
// The table, in a store made before it existed.
void createWhenMissing(Database& db);

std::optional<int> heightOf(Database& db, qint32 roomId);
// The heights of one customer's rooms, by room id.
std::unordered_map<qint32, int> heightsOfCustomer(Database& db, qint32 userId);
// Writes the room's height, or removes it when none.
void store(Database& db, qint32 roomId, std::optional<int> heightCm);
void removeRoom(Database& db, qint32 roomId);
void removeCustomer(Database& db, qint32 userId);
// Replaces the heights of `to` by those of `from`, for a copy of a whole store; a store
// made before the table existed has none.
void copyAll(Database& from, Database& to);

} // namespace room_ceilings
