#include "store/stored_lists.h"

#include "core/byte_stream.h"
#include "platform/prompts.h"
#include "store/sized_fields.h"

namespace stored_lists {
namespace {

using sized_fields::readText;
using sized_fields::writeText;

// One entry of either list: the fields common to both around the quantity.
template <typename Entry, typename Quantity>
bool readEntry(ByteReader& in, Entry& entry, Quantity& quantity) {
    qint32 marker = 0;
    return readText(in, entry.title) && in.read(entry.id) && in.read(entry.style) &&
           in.read(quantity) && in.read(entry.price) && in.read(entry.cailiao_id) &&
           readText(in, entry.danwei) && in.read(marker) && quint32(marker) == Marker;
}

template <typename Entry, typename Quantity>
void writeEntry(ByteWriter& out, const Entry& entry, Quantity quantity) {
    writeText(out, entry.title);
    out.write(entry.id);
    out.write(entry.style);
    out.write(quantity);
    out.write(entry.price);
    out.write(entry.cailiao_id);
    writeText(out, entry.danwei);
    out.write(qint32(Marker));
}

template <typename Entry, typename Quantity>
QList<Entry> decode(const QByteArray& bytes, Prompts* prompts, Quantity Entry::*quantity) {
    QList<Entry> entries;
    ByteReader in(bytes);
    while (in.left() > 0) {
        Entry entry;
        if (!readEntry(in, entry, entry.*quantity)) {
            if (prompts) {
                prompts->message(QStringLiteral("数据错误!"));
            }
            break;
        }
        entries.append(entry);
    }
    return entries;
}

// Every entry whose quantity is not 0, in list order.
template <typename Entry, typename Quantity>
QByteArray encode(const QList<Entry>& entries, Quantity Entry::*quantity) {
    QByteArray bytes;
    ByteWriter out(bytes);
    for (const Entry& entry : entries) {
        if (entry.*quantity != 0) {
            writeEntry(out, entry, entry.*quantity);
        }
    }
    return bytes;
}

} // namespace

QByteArray encodeBillLines(const QList<Ppdu_id>& lines) {
    return encode(lines, &Ppdu_id::number);
}

QByteArray encodeOtherItems(const QList<otherrec>& items) {
    return encode(items, &otherrec::number);
}

QList<Ppdu_id> decodeBillLines(const QByteArray& bytes, Prompts* prompts) {
    return decode<Ppdu_id>(bytes, prompts, &Ppdu_id::number);
}

QList<otherrec> decodeOtherItems(const QByteArray& bytes, Prompts* prompts) {
    return decode<otherrec>(bytes, prompts, &otherrec::number);
}

} // namespace stored_lists
