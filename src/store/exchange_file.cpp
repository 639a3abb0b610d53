#include "store/exchange_file.h"

#include "core/byte_stream.h"
#include "store/sized_fields.h"

#include <QtEndian>

using sized_fields::readBlock;
using sized_fields::readText;
using sized_fields::writeBlock;
using sized_fields::writeText;

QByteArray encodeExchangeFile(const ExchangeFile& file) {
    QByteArray bytes;
    ByteWriter out(bytes);
    out.write(ExchangeFile::Magic);
    out.write(qint32(1));
    out.write(file.ming);
    out.write(file.compid);
    out.write(file.areaId);
    writeText(out, file.areaTitle);
    for (int i = 0; i < ExchangeFile::FieldCount; ++i) {
        writeText(out, i < file.fields.size() ? file.fields[i] : QString());
    }
    writeBlock(out, file.prolist);
    writeBlock(out, file.otherlist);
    out.write(qint32(file.rooms.size()));
    for (const ExchangeRoom& room : file.rooms) {
        for (const QString* text :
             {&room.title, &room.roomstyle, &room.userId, &room.zoom, &room.paperWidth}) {
            writeText(out, *text);
        }
        for (const QByteArray* block : {&room.wall, &room.kouban, &room.dianqi, &room.pic}) {
            writeBlock(out, *block);
        }
    }
    return bytes;
}

namespace {

bool readRoom(ByteReader& in, ExchangeRoom& room) {
    for (QString* text :
         {&room.title, &room.roomstyle, &room.userId, &room.zoom, &room.paperWidth}) {
        if (!readText(in, *text)) {
            return false;
        }
    }
    for (QByteArray* block : {&room.wall, &room.kouban, &room.dianqi, &room.pic}) {
        if (!readBlock(in, *block)) {
            return false;
        }
    }
    return true;
}

} // namespace

ExchangeRead decodeExchangeFile(const QByteArray& bytes) {
    ExchangeRead read;
    ExchangeFile& file = read.file;
    const bool current =
        bytes.size() >= 4 && qFromLittleEndian<qint32>(bytes.constData()) == ExchangeFile::Magic;
    ByteReader in(bytes);
    qint32 magic = 0;
    qint32 version = 0;
    if (current && !(in.read(magic) && in.read(version) && in.read(file.ming))) {
        return read;
    }
    if (!in.read(file.compid) || !in.read(file.areaId) || !readText(in, file.areaTitle)) {
        return read;
    }
    read.headerRead = true;
    for (int i = 0; i < ExchangeFile::FieldCount; ++i) {
        QString text;
        if (!readText(in, text)) {
            return read;
        }
        file.fields.append(text);
    }
    if (!readBlock(in, file.prolist) || !readBlock(in, file.otherlist) ||
        !in.read(read.roomCount)) {
        return read;
    }
    read.customerRead = true;
    // Each room needs at least its nine counts: a count the bytes cannot hold fails at
    // the first room that is missing, without reserving anything for it.
    for (qint32 k = 0; k < read.roomCount; ++k) {
        ExchangeRoom room;
        if (!readRoom(in, room)) {
            return read;
        }
        file.rooms.push_back(std::move(room));
    }
    read.complete = read.roomCount >= 0;
    return read;
}
