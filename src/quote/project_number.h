#pragma once

#include <QString>

// The trimmed prefix followed by the sequence number padded on the left with "0" to at
// least `digits` digits; a longer number is kept whole ("HT", 12, 4 gives "HT0012").
QString projectNumber(const QString& prefix, int index, int digits);
