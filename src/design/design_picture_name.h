#pragma once

#include <QString>

// The file name proposed for a room's design picture: customer name, "-", room title and
// ".jpg". Characters that cannot stand in a file name (\ / : * ? " < > | and control
// characters) become "_", and trailing dots and spaces are dropped.
QString designPictureFileName(const QString& customerName, const QString& roomTitle);
