#pragma once

#include <QString>

class Database;
class WorkProgress;

// Whole copies of a customer store from one engine to the other: a server store written
// into a local store file (its backup), and a local store file copied onto a server.
namespace store_copy {

// Copies every row of areas, handlers, customers and rooms from `from` into `to`, which
// holds the store's tables, keeping the ids; one transaction on `to`. Throws DatabaseError.
void copyRows(Database& from, Database& to);

// Writes the store behind `source` as a new local store file `target` (replacing an
// earlier one only when complete), reporting each row. False when stopped: then no file
// is left of it. Throws DatabaseError.
bool writeLocalFile(Database& source, const QString& target, WorkProgress& progress);

// Copies the local store file into the server store `server`, which must hold no
// customer yet; one transaction. False with `problem` set when refused; throws DatabaseError on an
// engine error (the server then holds nothing of it).
bool upload(const QString& localFile, Database& server, QString* problem);

} // namespace store_copy
