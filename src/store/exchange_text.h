#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// The text form of column values in the project exchange file. Written: dates as
// "yyyy/M/d H:mm:ss" (the time left out at exactly midnight, an empty date as an empty
// text), yes/no as "True"/"False", doubles with "." and up to 15 significant digits.
// Read: also "-" between the date's parts, with or without a time.
namespace exchange_text {

QString fromDate(const QDateTime& date);
QString fromBool(bool value);
QString fromDouble(double value);

// None for an empty text or one that does not parse.
std::optional<QDateTime> toDate(const QString& text);
// A case-insensitive beginning of "True" or "False".
std::optional<bool> toBool(const QString& text);
std::optional<double> toDouble(const QString& text);
std::optional<qint32> toInt(const QString& text);

} // namespace exchange_text
