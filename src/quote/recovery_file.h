#pragma once

#include "quote/project_copy.h"

#include <QString>

#include <optional>

// The recovery file: one SQLite file per running program that holds the last automatic
// copy of its open project. Each copy is written in one transaction, so that the file
// always holds one whole copy, whenever the program is stopped.
namespace recovery_file {

// Writes the copy over the one the file holds, creating the file when missing. A room
// whose records are unchanged, because kept by the copy or equal by digest to those the
// file holds for its key, has only its plain columns written. Throws DatabaseError.
void write(const QString& path, const CopyHeader& header, const ProjectCopy& copy);

struct Contents {
    CopyHeader header;
    ProjectCopy copy;
};

// The copy the file holds; none when the file is not a recovery file or holds no copy,
// with the reason in `error`.
std::optional<Contents> read(const QString& path, QString* error = nullptr);

// Removes the file and the journal SQLite may have left beside it.
bool remove(const QString& path);

} // namespace recovery_file
