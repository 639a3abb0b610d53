#include "core/room_records.h"
#include "core/troom_obj.h"

using room_records::Outcome;

namespace {

constexpr qint64 Int32Size = 4;
// Column widths and row heights are stored for the entries 0..1000; entry 0 is the
// grid's corner entry (0, 0), which holds no size.
constexpr int SizeEntries = TRoom_OBJ::GridSide;
// A size below 1 mm or beyond the whole plan (2000 cm) breaks the point-to-cell rule
// and the sums over the grid.
constexpr qint32 LargestCellSize = 20000;

// The axis along which a strip room's strips run: its sizes are entries (i, 0) or
// (0, i), its strip entries (i, 1) or (1, i).
enum class Axis { Columns, Rows };

qint32& entry(TRoom_OBJ& room, Axis axis, int index, int line) {
    return axis == Axis::Columns ? room.cell(index, line) : room.cell(line, index);
}

qint32 entry(const TRoom_OBJ& room, Axis axis, int index, int line) {
    return axis == Axis::Columns ? room.cell(index, line) : room.cell(line, index);
}

void writeSizes(ByteWriter& out, const TRoom_OBJ& room, Axis axis) {
    for (int i = 0; i < SizeEntries; ++i) {
        out.write(entry(room, axis, i, 0));
    }
}

void writeStrips(ByteWriter& out, const TRoom_OBJ& room, Axis axis, qint32 first, qint32 last) {
    out.write(first);
    out.write(last);
    writeSizes(out, room, axis);
    for (int i = first; i <= last; ++i) {
        out.write(entry(room, axis, i, 1));
    }
}

void writeSquarePanels(ByteWriter& out, const TRoom_OBJ& room) {
    out.write(room.firstColumn);
    out.write(room.lastColumn);
    writeSizes(out, room, Axis::Columns);
    writeSizes(out, room, Axis::Rows);
    for (int c = room.firstColumn; c <= room.lastColumn; ++c) {
        for (int r = room.firstRow; r <= room.lastRow; ++r) {
            out.write(room.cell(c, r));
            out.write(room.cellAttribute(c, r));
        }
    }
}

// Each size is checked before it enters the grid.
Outcome readSizes(ByteReader& in, TRoom_OBJ& room, Axis axis) {
    for (int i = 0; i < SizeEntries; ++i) {
        qint32 size = 0;
        if (!in.read(size)) {
            return Outcome::Invalid;
        }
        if (i > 0 && (size < 1 || size > LargestCellSize)) {
            return Outcome::Corrupt;
        }
        entry(room, axis, i, 0) = size;
    }
    return Outcome::Valid;
}

// The strip entries of the writer's range, which must lie in the grid.
Outcome readStrips(ByteReader& in, TRoom_OBJ& room, Axis axis) {
    qint32 first = 0;
    qint32 last = 0;
    if (!in.read(first) || !in.read(last)) {
        return Outcome::Invalid;
    }
    if (const Outcome sizes = readSizes(in, room, axis); sizes != Outcome::Valid) {
        return sizes;
    }
    // The entries from first to last: as many as a count, and all within the grid.
    const qint64 count = qint64(last) - first + 1;
    if (!room_records::holdable(count) ||
        (count > 0 && (first < 1 || last > TRoom_OBJ::LastCell))) {
        return Outcome::Corrupt;
    }
    // Entry by entry: a stream cut inside them keeps those read before the cut.
    for (qint32 i = first; i <= last; ++i) {
        if (!in.read(entry(room, axis, i, 1))) {
            return Outcome::Invalid;
        }
    }
    return room_records::readEndMarker(in);
}

// The stored first and last column are the writer's; the cell block covers the range
// that the outline and the sizes just read give, which is the range the writer had.
Outcome readSquarePanels(ByteReader& in, TRoom_OBJ& room) {
    if (!in.skip(2 * Int32Size)) {
        return Outcome::Invalid;
    }
    for (const Axis axis : {Axis::Columns, Axis::Rows}) {
        if (const Outcome sizes = readSizes(in, room, axis); sizes != Outcome::Valid) {
            return sizes;
        }
    }
    room.computeActiveRange();
    for (int c = room.firstColumn; c <= room.lastColumn; ++c) {
        for (int r = room.firstRow; r <= room.lastRow; ++r) {
            qint32 value = 0;
            quint8 attribute = 0;
            if (!in.read(value) || !in.read(attribute)) {
                return Outcome::Invalid;
            }
            room.cell(c, r) = value;
            room.cellAttribute(c, r) = attribute;
        }
    }
    return room_records::readEndMarker(in);
}

} // namespace

bool TRoom_OBJ::writeKouban(QByteArray* stream) {
    const bool hasLayout = roomstyle == SquarePanelRoom || roomstyle == StripsAlongColumns ||
                           roomstyle == StripsAlongRows;
    if (!stream || !hasLayout) {
        return false;
    }
    // The reader computes the rows of the cell block from the outline as it is now.
    computeActiveRange();
    stream->clear();
    ByteWriter out(*stream);
    if (roomstyle == SquarePanelRoom) {
        writeSquarePanels(out, *this);
    } else if (roomstyle == StripsAlongColumns) {
        writeStrips(out, *this, Axis::Columns, firstColumn, lastColumn);
    } else {
        writeStrips(out, *this, Axis::Rows, firstRow, lastRow);
    }
    out.write(room_records::EndMarker);
    return true;
}

bool TRoom_OBJ::readKouban(const QByteArray* stream) {
    if (!stream) {
        return false;
    }
    ByteReader in(*stream);
    Outcome outcome = Outcome::Corrupt; // a room mode without a layout
    switch (roomstyle) {
    case SquarePanelRoom:
        outcome = readSquarePanels(in, *this);
        break;
    case StripsAlongColumns:
        outcome = readStrips(in, *this, Axis::Columns);
        break;
    case StripsAlongRows:
        outcome = readStrips(in, *this, Axis::Rows);
        break;
    }
    // The range follows the sizes, also those of a record that stopped part way.
    computeActiveRange();
    return room_records::report(outcome, prompts, QStringLiteral("扣板信息读取错误!"));
}
