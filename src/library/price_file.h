#pragma once

#include <QString>

class Database;

// The price file of the product manager: for every product a 32-bit signed little-endian
// id followed by its price as a little-endian 64-bit IEEE double; no header, no end marker.
namespace price_file {

constexpr int RecordSize = 12;

// Writes every product's price, in the order the library returns them, to a temporary
// name beside `path` that replaces `path` only when complete. False on any error.
bool exportPrices(Database& library, const QString& path);

// Reads the whole file, then sets the price of every product named in it in one
// transaction; ids that do not exist change nothing. A file whose length is not a
// multiple of the record size, or any error, changes nothing and gives false.
bool importPrices(Database& library, const QString& path);

} // namespace price_file
