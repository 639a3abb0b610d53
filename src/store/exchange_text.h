#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <optional>

// The text form of column values in the project exchange file. Written: an empty
// (null) column as an empty text, integers in decimal, dates as "yyyy/M/d H:mm:ss" (the
// time left out at exactly midnight), yes/no as "True"/"False", doubles with "." and up
// to 15 significant digits. Read: also "-" between the date's parts, with or without a
// time.
namespace exchange_text {

// What a column holds, which decides its text form.
enum class Kind { Text, Integer, Date, YesNo, Number };

// A stored value as its text; an empty text for a null value.
QString textOf(Kind kind, const QVariant& value);
// The value a text stores: null for an empty text or one that does not convert.
QVariant valueOf(Kind kind, const QString& text);

QString fromDate(const QDateTime& date);
QString fromBool(bool value);
QString fromDouble(double value);

// None for an empty text or one that does not parse.
std::optional<QDateTime> toDate(const QString& text);
// A case-insensitive beginning of "True" or "False".
std::optional<bool> toBool(const QString& text);
std::optional<double> toDouble(const QString& text);
std::optional<qint32> toInt(const QString& text);

// The characters of `text` that GBK cannot hold, each once, in order of appearance.
QString charactersOutsideGbk(const QString& text);

} // namespace exchange_text
