#include "room_records_fuzz.h"

// Reads arbitrary bytes as a RoomWall record: no input may crash, and an outline that
// was read whole is written and read back unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MessageCounter prompts;
    static const std::unique_ptr<TRoom_OBJ> room = makeFuzzRoom(prompts, SquarePanelRoom);
    static const std::unique_ptr<TRoom_OBJ> copy = makeFuzzRoom(prompts, SquarePanelRoom);

    const QByteArray bytes = fuzzBytes(data, size);
    prompts.messages.clear();
    const bool valid = room->readWall(&bytes, QStringLiteral("客厅"), StripsAlongColumns);
    checkMessages(valid, int(prompts.messages.size()));
    if (room->roomstyle != StripsAlongColumns || room->getName() != QStringLiteral("客厅")) {
        __builtin_trap();
    }
    if (!valid) {
        return 0;
    }
    QByteArray written;
    QByteArray rewritten;
    room->writeWall(&written);
    if (!copy->readWall(&written, room->getName(), room->roomstyle) ||
        copy->wall.corners() != room->wall.corners() || copy->wall.kinds() != room->wall.kinds() ||
        copy->wall.getOrigin() != room->wall.getOrigin()) {
        __builtin_trap();
    }
    copy->writeWall(&rewritten);
    if (rewritten != written) {
        __builtin_trap();
    }
    return 0;
}
