#include "store/v5_design_file.h"

#include "core/byte_stream.h"
#include "platform/gbk.h"

#include <QtEndian>

namespace v5_design {

namespace {

constexpr int CellBytes = 8;    // product id, attribute
constexpr int ObjectBytes = 16; // a, b, id, orientation
constexpr int CornerBytes = 16; // x, y and two unused integers
constexpr int LastStyle = 7;
// Styles 0 and 5 take the file's cell size as the room's; it must be a usable size in mm.
constexpr int LargestCell = 20000;

bool usableCellSize(const Design& d) {
    if (d.style != 0 && d.style != 5) {
        return true;
    }
    return d.cellWidth >= 1 && d.cellWidth <= LargestCell && d.cellHeight >= 1 &&
           d.cellHeight <= LargestCell;
}

class DesignReader {
public:
    explicit DesignReader(const QByteArray& bytes) : in_(bytes) {}

    ReadStatus read(Design& d) {
        if (!in_.skip(SignatureSize) || !header(d) || !grid(d) || !objects(d) || !corners(d) ||
            !customer(d)) {
            return ReadStatus::Damaged;
        }
        return lists(d);
    }

private:
    bool skipIntegers(int count) { return in_.skip(qint64(count) * 4); }

    bool text(QString& out) {
        QByteArray line;
        if (!in_.readLine(line)) {
            return false;
        }
        out = gbk::decode(line);
        return true;
    }

    bool skipLines(qint64 count) {
        QByteArray line;
        for (qint64 i = 0; i < count; ++i) {
            if (!in_.readLine(line)) {
                return false;
            }
        }
        return true;
    }

    // A count that cannot be negative and whose entries must fit into the bytes left.
    bool count(qint32& n, int entryBytes) {
        return in_.read(n) && n >= 0 && qint64(n) * entryBytes <= in_.left();
    }

    bool header(Design& d) {
        return skipIntegers(4) && skipLines(1) && in_.read(d.style) && d.style <= LastStyle &&
               in_.read(d.cellWidth) && in_.read(d.cellHeight) && usableCellSize(d) &&
               skipIntegers(4) && in_.read(d.scale) && in_.read(d.offsetY) && in_.read(d.offsetX);
    }

    // The grid is taken as one block and decoded in one pass: it is nearly the whole file.
    bool grid(Design& d) {
        constexpr qint64 cellCount = qint64(GridSide) * GridSide;
        QByteArrayView block;
        if (!in_.readView(cellCount * CellBytes, block)) {
            return false;
        }
        d.cells.resize(cellCount);
        d.attributes.resize(cellCount);
        const char* at = block.data();
        for (qint64 i = 0; i < cellCount; ++i, at += CellBytes) {
            d.cells[i] = qFromLittleEndian<qint32>(at);
            d.attributes[i] = quint8(qFromLittleEndian<qint32>(at + 4) & 0xff);
        }
        return true;
    }

    bool objects(Design& d) {
        qint32 n = 0;
        if (!in_.read(n) || !in_.read(d.objectShiftX) || !in_.read(d.objectShiftY) || n < 0 ||
            qint64(n) * ObjectBytes > in_.left()) {
            return false;
        }
        d.objects.resize(n);
        for (PlacedObject& o : d.objects) {
            in_.read(o.a);
            in_.read(o.b);
            in_.read(o.id);
            in_.read(o.orientation);
        }
        return true;
    }

    bool corners(Design& d) {
        qint32 m = 0;
        if (!count(m, CornerBytes)) {
            return false;
        }
        d.corners.resize(m);
        for (Corner& c : d.corners) {
            in_.read(c.x);
            in_.read(c.y);
            skipIntegers(2);
        }
        return skipLines(2 * qint64(m));
    }

    bool customer(Design& d) {
        QString sex;
        qint32 amount = 0;
        if (!text(d.name) || !text(d.telephone) || !text(d.address) || !text(sex) ||
            !skipLines(1) || !skipIntegers(2) || !in_.read(amount) || !skipIntegers(1) ||
            !text(d.designDate) || !text(d.workDate) || !text(d.endDate) || !text(d.remarks)) {
            return false;
        }
        d.male = sex == QStringLiteral("男");
        d.amount = amount;
        return true;
    }

    // K non-display items, then L bill lines; each count at most MostEntries.
    ReadStatus lists(Design& d) {
        qint32 k = 0;
        ReadStatus status = listCount(k, 8);
        if (status != ReadStatus::Read) {
            return status;
        }
        d.otherItems.resize(k);
        for (OtherItem& item : d.otherItems) {
            in_.read(item.id);
            in_.read(item.number);
        }
        qint32 l = 0;
        status = listCount(l, 12);
        if (status != ReadStatus::Read) {
            return status;
        }
        d.billLines.resize(l);
        for (BillLine& line : d.billLines) {
            in_.read(line.id);
            in_.read(line.price);
        }
        return ReadStatus::Read;
    }

    ReadStatus listCount(qint32& n, int entryBytes) {
        if (!in_.read(n) || n < 0) {
            return ReadStatus::Damaged;
        }
        if (n > MostEntries) {
            return ReadStatus::TooManyEntries;
        }
        return qint64(n) * entryBytes <= in_.left() ? ReadStatus::Read : ReadStatus::Damaged;
    }

    ByteReader in_;
};

} // namespace

bool hasSignature(const QByteArray& bytes) {
    return bytes.startsWith(QByteArrayView(Signature, SignatureSize));
}

ReadResult read(const QByteArray& bytes) {
    ReadResult result;
    if (!hasSignature(bytes)) {
        return result;
    }
    result.status = DesignReader(bytes).read(result.design);
    if (result.status != ReadStatus::Read) {
        result.design = Design();
    }
    return result;
}

} // namespace v5_design
