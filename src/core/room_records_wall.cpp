#include "core/room_records.h"
#include "core/troom_obj.h"
#include "platform/gbk.h"

#include <algorithm>

using room_records::Outcome;

namespace {

constexpr qint64 Int32Size = 4;
constexpr qint64 CornerSize = 2 * Int32Size + 1; // x, y, kind

// Name length, name, mode, corners, origin, end marker. The stored name and mode are
// passed over: the room's row names the room and sets its mode. A stream cut inside the
// corners keeps those read before the cut.
Outcome readOutline(ByteReader& in, troom_Wall& wall) {
    qint32 nameLength = 0;
    if (!in.read(nameLength)) {
        return Outcome::Invalid;
    }
    if (!room_records::holdable(nameLength)) {
        return Outcome::Corrupt;
    }
    qint32 count = 0;
    if (!in.skip(nameLength) || !in.skip(Int32Size) || !in.read(count)) {
        return Outcome::Invalid;
    }
    if (!room_records::holdable(count)) {
        return Outcome::Corrupt;
    }
    QList<QPoint> corners;
    QList<quint8> kinds;
    // Never more room than the bytes left can fill: the count is not trusted.
    const qint64 fitting = std::min<qint64>(count, in.left() / CornerSize);
    corners.reserve(fitting);
    kinds.reserve(fitting);
    bool whole = true;
    for (qint32 i = 0; i < count && whole; ++i) {
        qint32 x = 0;
        qint32 y = 0;
        quint8 kind = 0;
        whole = in.read(x) && in.read(y) && in.read(kind);
        if (whole) {
            corners.append({x, y});
            kinds.append(kind);
        }
    }
    wall.setOutline(corners, kinds);
    qint32 originX = 0;
    qint32 originY = 0;
    if (!whole || !in.read(originX) || !in.read(originY)) {
        return Outcome::Invalid;
    }
    wall.setOrigin({originX, originY});
    return room_records::readEndMarker(in);
}

} // namespace

bool TRoom_OBJ::writeWall(QByteArray* stream) const {
    if (!stream) {
        return false;
    }
    stream->clear();
    ByteWriter out(*stream);
    const QByteArray name = gbk::encode(title);
    out.write(qint32(name.size()));
    out.write(name);
    out.write(roomstyle);
    out.write(qint32(wall.pointCount()));
    for (int i = 0; i < wall.pointCount(); ++i) {
        out.write(qint32(wall.corner(i).x()));
        out.write(qint32(wall.corner(i).y()));
        out.write(wall.kind(i));
    }
    out.write(qint32(wall.getOrigin().x()));
    out.write(qint32(wall.getOrigin().y()));
    out.write(room_records::EndMarker);
    return true;
}

bool TRoom_OBJ::readWall(const QByteArray* stream, const QString& name, int mode) {
    // The name and mode come from the row's columns even when the record cannot be read,
    // so that the panel record that follows is read in the room's own layout.
    title = name;
    roomstyle = mode;
    wall.clearOutline();
    if (!stream) {
        return false;
    }
    ByteReader in(*stream);
    return room_records::report(readOutline(in, wall), prompts,
                                QStringLiteral("墙面点信息读取错误!"));
}
