#include "core/room_records.h"
#include "core/rounding.h"
#include "core/tdianqi_rec.h"
#include "core/troom_obj.h"
#include "library/product_library.h"

#include <limits>

using room_records::Outcome;

namespace {

constexpr qint64 ObjectSize = 5 * 4; // id, orientation, x, y, kind

// The first step of seating: the appliance's top-left corner moves to the top-left
// corner of the cell under (x + 1, y + 1), which becomes its seat. Off the grid it stays.
void snapToSeatCell(TRoom_OBJ& room, tdianqi_rec& object) {
    constexpr qint32 beyondEveryCell = std::numeric_limits<qint32>::max();
    if (object.x == beyondEveryCell || object.y == beyondEveryCell) {
        return;
    }
    const std::optional<GridCell> seat = room.cellOfPoint({object.x + 1, object.y + 1});
    if (!seat) {
        return;
    }
    const ObjectBox cellMm = room.cellRectangle(*seat);
    object.x = rounding::halfEven(cellMm.left / 10.0);
    object.y = rounding::halfEven(cellMm.top / 10.0);
    object.seatColumn = seat->column;
    object.seatRow = seat->row;
}

Outcome readObjects(ByteReader& in, TRoom_OBJ& room) {
    qint32 count = 0;
    if (!in.read(count)) {
        return Outcome::Invalid;
    }
    if (!in.holds(count, ObjectSize)) {
        return Outcome::Corrupt;
    }
    for (qint32 i = 0; i < count; ++i) {
        auto object = std::make_unique<tdianqi_rec>();
        // Every field is there: the count fits in the bytes left.
        in.read(object->id);
        in.read(object->orientation);
        in.read(object->x);
        in.read(object->y);
        in.read(object->kind);
        object->selected = false;
        if (room.roomstyle == SquarePanelRoom && object->kind == KindAppliance) {
            snapToSeatCell(room, *object);
        }
        room.objects.push_back(std::move(object));
    }
    return room_records::readEndMarker(in);
}

} // namespace

bool TRoom_OBJ::writeDianqi(QByteArray* stream) const {
    if (!stream) {
        return false;
    }
    stream->clear();
    ByteWriter out(*stream);
    out.write(qint32(objects.size()));
    for (const std::unique_ptr<tdianqi_rec>& object : objects) {
        out.write(object->id);
        out.write(object->orientation);
        out.write(object->x);
        out.write(object->y);
        out.write(object->kind);
    }
    out.write(room_records::EndMarker);
    return true;
}

bool TRoom_OBJ::readDianqi(const QByteArray* stream) {
    if (!stream || stream->isEmpty()) {
        return false;
    }
    ByteReader in(*stream);
    return room_records::report(readObjects(in, *this), prompts,
                                QStringLiteral("电器产品信息读取错误!"));
}
