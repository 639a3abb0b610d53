#include "support/v5_file_writer.h"

#include "platform/gbk.h"

#include <QDataStream>
#include <QIODevice>

void V5File::fillColumn(int column, int first, int last, qint32 id) {
    for (int r = first; r <= last; ++r) {
        cells[{column, r}] = {id, 0};
    }
}

void V5File::fillRow(int row, int first, int last, qint32 id) {
    for (int c = first; c <= last; ++c) {
        cells[{c, row}] = {id, 0};
    }
}

QByteArray V5File::bytes() const {
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.setFloatingPointPrecision(QDataStream::DoublePrecision);
    const auto line = [&](const QString& text) {
        const QByteArray b = gbk::encode(text) + '\r';
        s.writeRawData(b.constData(), int(b.size()));
    };
    const auto unused = [&](int count) {
        for (int i = 0; i < count; ++i) {
            s << qint32(77);
        }
    };
    s.writeRawData("this a soft for design", 22);
    unused(4);
    line(QStringLiteral("V5"));
    s << style << cellWidth << cellHeight;
    unused(4);
    s << scale << offsetY << offsetX;
    for (int c = 1; c <= 220; ++c) {
        for (int r = 1; r <= 220; ++r) {
            const auto found = cells.find({c, r});
            const auto [id, attribute] = found == cells.end() ? std::pair{-1, 0} : found->second;
            // The attribute is the lowest byte; the rest of the integer is noise.
            s << id << qint32(attribute | 0x5500);
        }
    }
    s << qint32(objects.size()) << shiftX << shiftY;
    for (const Object& o : objects) {
        s << o.a << o.b << o.id << o.orientation;
    }
    s << qint32(corners.size());
    for (const QPoint& p : corners) {
        s << qint32(p.x()) << qint32(p.y());
        unused(2);
    }
    for (std::size_t i = 0; i < corners.size(); ++i) {
        line(QStringLiteral("墙"));
        line(QString());
    }
    line(name);
    line(telephone);
    line(address);
    line(sex);
    line(QStringLiteral("unused"));
    unused(2);
    s << amount;
    unused(1);
    line(designDate);
    line(workDate);
    line(endDate);
    line(remarks);
    s << qint32(otherItems.size());
    for (const auto& [id, number] : otherItems) {
        s << id << number;
    }
    s << qint32(billLines.size());
    for (const auto& [id, price] : billLines) {
        s << id << price;
    }
    return out;
}
