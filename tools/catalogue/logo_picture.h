#pragma once

#include <QImage>
#include <QString>

// The neutral logo delivered with the program: the pages show it at the dealer's place
// until the dealer chooses a logo of their own.
QImage drawNeutralLogo();

// Writes the neutral logo as a bitmap file to `path`. Throws std::runtime_error when it
// cannot be written.
void writeNeutralLogo(const QString& path);
