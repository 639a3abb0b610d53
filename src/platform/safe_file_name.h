#pragma once

#include <QString>

// A name typed by a user (customer, room or area title) made fit to stand as one file or
// folder name: path separators, control characters and the characters file systems
// refuse (\ / : * ? " < > |) become "_", trailing dots and spaces are dropped, and a name
// that would be empty (also "." and "..") becomes "_". The result never leaves its folder.
QString safeFileName(const QString& name);
