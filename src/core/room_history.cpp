#include "core/historyrec.h"

#include "core/tdianqi_rec.h"
#include "core/troom_obj.h"

#include <QtEndian>

#include <algorithm>

namespace {

// A range of cells clipped to the grid; empty when first > last on either axis.
struct CellBlock {
    int firstColumn;
    int firstRow;
    int lastColumn;
    int lastRow;

    CellBlock(int c1, int r1, int c2, int r2)
        : firstColumn(std::max(c1, 1)), firstRow(std::max(r1, 1)),
          lastColumn(std::min(c2, TRoom_OBJ::LastCell)),
          lastRow(std::min(r2, TRoom_OBJ::LastCell)) {}
    bool empty() const { return firstColumn > lastColumn || firstRow > lastRow; }
    qint64 count() const {
        return empty() ? 0 : qint64(lastColumn - firstColumn + 1) * (lastRow - firstRow + 1);
    }
    bool holds(int c, int r) const {
        return c >= firstColumn && c <= lastColumn && r >= firstRow && r <= lastRow;
    }
};

char* put(char* at, qint32 value) {
    qToLittleEndian(value, at);
    return at + sizeof value;
}

const char* get(const char* at, qint32& value) {
    value = qFromLittleEndian<qint32>(at);
    return at + sizeof value;
}

QByteArray cellsOf(const TRoom_OBJ& room, const CellBlock& block) {
    QByteArray stream(block.count() * historyrec::CellRecordSize, Qt::Uninitialized);
    char* at = stream.data();
    for (int c = block.firstColumn; c <= block.lastColumn && !block.empty(); ++c) {
        for (int r = block.firstRow; r <= block.lastRow; ++r) {
            at = put(at, room.cell(c, r));
            *at++ = char(room.cellAttribute(c, r));
        }
    }
    return stream;
}

QByteArray objectsOf(const TRoom_OBJ& room) {
    QByteArray stream(qsizetype(room.objects.size()) * historyrec::ObjectRecordSize,
                      Qt::Uninitialized);
    char* at = stream.data();
    for (const std::unique_ptr<tdianqi_rec>& object : room.objects) {
        for (qint32 field : {object->id, object->orientation, object->x, object->y, object->kind}) {
            at = put(at, field);
        }
        *at++ = char(object->selected ? 1 : 0);
    }
    return stream;
}

// Empties the cells of the room's present range that the snapshot's block leaves out.
void emptyOutside(TRoom_OBJ& room, const CellBlock& kept) {
    const CellBlock present(room.firstColumn, room.firstRow, room.lastColumn, room.lastRow);
    for (int c = present.firstColumn; c <= present.lastColumn && !present.empty(); ++c) {
        for (int r = present.firstRow; r <= present.lastRow; ++r) {
            if (!kept.holds(c, r)) {
                room.cell(c, r) = -1;
                room.cellAttribute(c, r) = 0;
            }
        }
    }
}

} // namespace

std::unique_ptr<historyrec> historyrec::capture(const TRoom_OBJ& room) {
    auto step = std::make_unique<historyrec>();
    for (int i = 0; i < Heads; ++i) {
        step->columnHeads[i] = {room.cell(i, 0), room.cell(i, 1), room.cell(i, 2)};
        step->rowHeads[i] = {room.cell(0, i), room.cell(1, i), room.cell(2, i)};
        step->columnHeadAttributes[i] = room.cellAttribute(i, 0);
        step->rowHeadAttributes[i] = room.cellAttribute(0, i);
    }
    step->firstColumn = room.firstColumn;
    step->firstRow = room.firstRow;
    step->lastColumn = room.lastColumn;
    step->lastRow = room.lastRow;
    step->cellStream =
        cellsOf(room, CellBlock(room.firstColumn, room.firstRow, room.lastColumn, room.lastRow));
    step->corners = room.wall.corners();
    step->kinds = room.wall.kinds();
    step->origin = room.wall.getOrigin();
    step->objectStream = objectsOf(room);
    step->roomMode = room.roomstyle;
    step->tool = room.tool;
    step->editMode = room.editMode;
    step->product = room.currentProduct;
    return step;
}

void historyrec::restoreInto(TRoom_OBJ& room) const {
    const CellBlock block(firstColumn, firstRow, lastColumn, lastRow);
    emptyOutside(room, block);

    room.firstColumn = firstColumn;
    room.firstRow = firstRow;
    room.lastColumn = lastColumn;
    room.lastRow = lastRow;
    room.roomstyle = roomMode;
    room.wall.clearOutline();
    room.wall.setOrigin(origin);
    room.wall.setOutline(corners, kinds);

    for (int i = 0; i < Heads; ++i) {
        for (int k = 0; k < 3; ++k) {
            room.cell(i, k) = columnHeads[i][k];
        }
        for (int k = 0; k < 3; ++k) {
            room.cell(k, i) = rowHeads[i][k];
        }
        room.cellAttribute(i, 0) = columnHeadAttributes[i];
        room.cellAttribute(0, i) = rowHeadAttributes[i];
    }

    // The stream was written for this block; a shorter one fills what it holds.
    qint64 left = std::min(block.count(), qint64(cellStream.size()) / CellRecordSize);
    const char* at = cellStream.constData();
    for (int c = block.firstColumn; c <= block.lastColumn && left > 0; ++c) {
        for (int r = block.firstRow; r <= block.lastRow && left > 0; ++r, --left) {
            at = get(at, room.cell(c, r));
            room.cellAttribute(c, r) = quint8(*at++);
        }
    }

    room.objects.clear();
    at = objectStream.constData();
    for (qint64 n = objectStream.size() / ObjectRecordSize; n > 0; --n) {
        auto object = std::make_unique<tdianqi_rec>();
        at = get(at, object->id);
        at = get(at, object->orientation);
        at = get(at, object->x);
        at = get(at, object->y);
        at = get(at, object->kind);
        object->selected = *at++ != 0;
        // The counting that follows reads the plan rectangles.
        room.refreshObjectRectangles(*object);
        room.objects.push_back(std::move(object));
    }
}

qint64 historyrec::byteSize() const {
    return qint64(sizeof(historyrec)) + cellStream.size() + objectStream.size() +
           corners.size() * qint64(sizeof(QPoint)) + kinds.size();
}
