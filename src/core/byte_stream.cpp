#include "core/byte_stream.h"

#include <QtEndian>

bool ByteReader::take(qint64 count, const char*& at) {
    if (count < 0 || count > left()) {
        position_ = bytes_.size();
        return false;
    }
    at = bytes_.constData() + position_;
    position_ += count;
    return true;
}

bool ByteReader::read(qint32& value) {
    const char* at = nullptr;
    if (!take(sizeof value, at)) {
        return false;
    }
    value = qFromLittleEndian<qint32>(at);
    return true;
}

bool ByteReader::read(quint8& value) {
    const char* at = nullptr;
    if (!take(1, at)) {
        return false;
    }
    value = quint8(*at);
    return true;
}

bool ByteReader::skip(qint64 count) {
    const char* at = nullptr;
    return take(count, at);
}

void ByteWriter::write(qint32 value) {
    char bytes[sizeof value];
    qToLittleEndian(value, bytes);
    out_.append(bytes, sizeof bytes);
}
