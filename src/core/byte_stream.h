#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

// Reads the little-endian fields of a flat byte stream from its start, never past its
// end: a field that the bytes left cannot hold is not read and ends the stream.
class ByteReader {
public:
    explicit ByteReader(const QByteArray& bytes) : bytes_(bytes) {}

    // False, with `value` unchanged, when fewer bytes are left than the field needs.
    bool read(qint32& value);
    bool read(quint8& value);
    bool read(double& value);
    // `count` raw bytes; false, with `out` unchanged, when fewer are left.
    bool readBytes(qint64 count, QByteArray& out);
    // The same without a copy: `out` shows the bytes read, valid while the bytes are.
    bool readView(qint64 count, QByteArrayView& out);
    // Passes over `count` bytes; false when fewer are left (or count is negative).
    bool skip(qint64 count);
    // A text line: the bytes up to the next carriage return, which is passed over and
    // dropped; the end of the bytes also ends a line. False when no bytes are left.
    bool readLine(QByteArray& out);

    qint64 left() const { return bytes_.size() - position_; }

private:
    bool take(qint64 count, const char*& at);

    const QByteArray& bytes_;
    qint64 position_ = 0;
};

// Appends little-endian fields to a byte array.
class ByteWriter {
public:
    explicit ByteWriter(QByteArray& out) : out_(out) {}

    void write(qint32 value);
    void write(quint8 value) { out_.append(char(value)); }
    void write(double value);
    void write(const QByteArray& raw) { out_.append(raw); }

private:
    QByteArray& out_;
};
