#include "store/sized_fields.h"

#include "core/byte_stream.h"
#include "platform/gbk.h"

namespace sized_fields {

void writeBlock(ByteWriter& out, const QByteArray& block) {
    out.write(qint32(block.size()));
    out.write(block);
}

void writeText(ByteWriter& out, const QString& text) {
    writeBlock(out, gbk::encode(text));
}

bool readBlock(ByteReader& in, QByteArray& block) {
    qint32 length = 0;
    return in.read(length) && in.readBytes(length, block);
}

bool readText(ByteReader& in, QString& text) {
    QByteArray bytes;
    if (!readBlock(in, bytes)) {
        return false;
    }
    text = gbk::decode(bytes);
    return true;
}

} // namespace sized_fields
