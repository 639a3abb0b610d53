#pragma once

#include <QByteArray>
#include <QString>

// Text of the printed pages.
namespace html {

// `&`, `<`, `>`, `"` and `'` as character references, so a user's text prints as typed.
QString escape(const QString& text);

// The escaped text of a table cell, or "&nbsp;" when it is blank, so the cell keeps its
// borders.
QString cell(const QString& text);

// The page in the GB2312 code page. A character that GB2312 cannot hold (a rare surname,
// an emoji) is written as a numeric character reference instead of being lost as "?".
QByteArray encodeGb2312(const QString& page);

} // namespace html
