#include "core/room_records.h"
#include "core/tdianqi_rec.h"
#include "core/troom_obj.h"
#include "library/product_library.h"

using room_records::Outcome;

namespace {

// Objects are appended one by one: a stream cut inside an object keeps those before it.
Outcome readObjects(ByteReader& in, TRoom_OBJ& room) {
    qint32 count = 0;
    if (!in.read(count)) {
        return Outcome::Invalid;
    }
    if (!room_records::holdable(count)) {
        return Outcome::Corrupt;
    }
    for (qint32 i = 0; i < count; ++i) {
        auto object = std::make_unique<tdianqi_rec>();
        if (!in.read(object->id) || !in.read(object->orientation) || !in.read(object->x) ||
            !in.read(object->y) || !in.read(object->kind)) {
            return Outcome::Invalid;
        }
        object->selected = false;
        if (room.roomstyle == SquarePanelRoom && object->kind == KindAppliance) {
            room.snapToSeatCell(*object);
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
