#pragma once

#include <QString>

#include <functional>

// Whole-file operations on a database file, each done through a connection of its own
// so that the program's connections may stay open. A result is written under a
// temporary name ("~ACP…") beside its destination and renamed over the destination
// only when complete: a reader sees the old file or the new one, never a torn one.
namespace database_files {

// Writes a consistent copy of the database at `source` to `target` with the source's
// file mode, replacing an existing file. Throws DatabaseError with the engine's or the
// system's message; `subject` is what its messages call the database.
void snapshot(const QString& source, const QString& target, const QString& subject);

// Makes the file `target` (replacing an existing one) by letting `fill` write a new
// database into an empty temporary file beside it. The file gets the mode of the file
// `modeOfFile`, by default that of the file it replaces or, for a new one, owner
// read-write and read for all. Throws DatabaseError.
void writeNew(const QString& target, const std::function<void(const QString& empty)>& fill,
              const QString& modeOfFile = {});

// Compacts the database at `path` in place. The compacted copy must pass the engine's
// integrity check before it replaces the file; on any failure the file stays as it was
// and the result is false. The file keeps its mode. No connection may be open on it.
bool compact(const QString& path);

} // namespace database_files
