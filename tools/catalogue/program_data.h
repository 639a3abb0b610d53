#pragma once

#include <QString>

// The delivered data of a program folder.
namespace program_data {

// "数据文件/db.data", "数据文件/Userdb.data" and "CURSOR" inside the program folder.
QString libraryPath(const QString& programFolder);
QString storePath(const QString& programFolder);
QString cursorFolder(const QString& programFolder);
// "数据文件/sign.bmp": the neutral logo the pages show until the dealer chooses one.
QString logoPath(const QString& programFolder);

// Creates an empty customer store at `path` (and its folder) unless a file is already
// there: the store holds the dealer's customers and is never replaced. Returns true
// when it created one. Throws std::runtime_error (or DatabaseError) on failure.
bool createStoreIfMissing(const QString& path);

// Creates the working folders, rebuilds the product library, creates the customer store
// when missing and writes the cursor files and the neutral logo. Throws std::runtime_error (or
// DatabaseError) on failure.
void build(const QString& programFolder);

} // namespace program_data
