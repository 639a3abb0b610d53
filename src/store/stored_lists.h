#pragma once

#include "core/otherrec.h"
#include "core/ppdu_id.h"

#include <QByteArray>
#include <QList>

class Prompts;

// The customer row's stored bill lines (`Prolist`) and non-display items (`otherlist`):
// entries of little-endian fields with GBK texts, each closed by the marker 0xEEEE00EE;
// no header, no count. Entries with quantity 0 are not written.
namespace stored_lists {

constexpr quint32 Marker = 0xEEEE00EE;

QByteArray encodeBillLines(const QList<Ppdu_id>& lines);
QByteArray encodeOtherItems(const QList<otherrec>& items);

// Entries are read while bytes are left. A wrong marker, or an entry cut short (a text
// length beyond the bytes left included), shows "数据错误!" through `prompts` and ends
// the list; the entries read before stay. Read bill lines have width and height -1.
QList<Ppdu_id> decodeBillLines(const QByteArray& bytes, Prompts* prompts);
QList<otherrec> decodeOtherItems(const QByteArray& bytes, Prompts* prompts);

} // namespace stored_lists
