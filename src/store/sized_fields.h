#pragma once

#include <QByteArray>
#include <QString>

class ByteReader;
class ByteWriter;

// Fields led by their 32-bit little-endian byte count: raw blocks and texts in GBK.
namespace sized_fields {

void writeBlock(ByteWriter& out, const QByteArray& block);
void writeText(ByteWriter& out, const QString& text);
// False when the count is negative or more bytes than are left.
bool readBlock(ByteReader& in, QByteArray& block);
bool readText(ByteReader& in, QString& text);

} // namespace sized_fields
