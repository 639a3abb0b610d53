#include "core/byte_stream.h"

#include <QtEndian>

#include <cstring>

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

bool ByteReader::read(double& value) {
    const char* at = nullptr;
    if (!take(sizeof value, at)) {
        return false;
    }
    const quint64 bits = qFromLittleEndian<quint64>(at);
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool ByteReader::readBytes(qint64 count, QByteArray& out) {
    QByteArrayView view;
    if (!readView(count, view)) {
        return false;
    }
    out = view.toByteArray();
    return true;
}

bool ByteReader::readView(qint64 count, QByteArrayView& out) {
    const char* at = nullptr;
    if (!take(count, at)) {
        return false;
    }
    out = QByteArrayView(at, count);
    return true;
}

bool ByteReader::skip(qint64 count) {
    const char* at = nullptr;
    return take(count, at);
}

bool ByteReader::readLine(QByteArray& out) {
    if (left() <= 0) {
        return false;
    }
    const qsizetype end = bytes_.indexOf('\r', position_);
    const qint64 length = end < 0 ? left() : end - position_;
    out = bytes_.mid(position_, length);
    position_ += end < 0 ? length : length + 1;
    return true;
}

void ByteWriter::write(qint32 value) {
    char bytes[sizeof value];
    qToLittleEndian(value, bytes);
    out_.append(bytes, sizeof bytes);
}

void ByteWriter::write(double value) {
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof value);
    char bytes[sizeof bits];
    qToLittleEndian(bits, bytes);
    out_.append(bytes, sizeof bytes);
}
