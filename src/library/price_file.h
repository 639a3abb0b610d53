#pragma once

#include <QString>

class Database;
class WorkProgress;

// The price file of the product manager: for every product a 32-bit signed little-endian
// id followed by its price as a little-endian 64-bit IEEE double; no header, no end marker.
namespace price_file {

constexpr int RecordSize = 12;

// Writes every product's price, in the order the library returns them, to a temporary
// name beside `path` that replaces `path` only when complete. False on any error.
bool exportPrices(Database& library, const QString& path);

enum class ImportOutcome { Imported, Failed, Cancelled };

// Reads the whole file, then sets the price of every product named in it in one
// transaction, reporting each record; ids that do not exist change nothing. A file whose
// length is not a multiple of the record size, any error, or a stop asked for changes
// nothing.
ImportOutcome importPrices(Database& library, const QString& path, WorkProgress& progress);

} // namespace price_file
