#include "room_records_fuzz.h"

// Reads arbitrary bytes as a RoomDianqi record into a square-panel room (appliances are
// snapped to their cells) and a strip room: no input may crash, and the objects read are
// written and read back unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MessageCounter prompts;
    static const std::unique_ptr<TRoom_OBJ> squares = makeFuzzRoom(prompts, SquarePanelRoom);
    static const std::unique_ptr<TRoom_OBJ> strips = makeFuzzRoom(prompts, StripsAlongColumns);
    static const std::unique_ptr<TRoom_OBJ> copy = makeFuzzRoom(prompts, SquarePanelRoom);

    const QByteArray bytes = fuzzBytes(data, size);
    for (TRoom_OBJ* room : {squares.get(), strips.get()}) {
        room->objects.clear();
        prompts.messages.clear();
        const bool valid = room->readDianqi(&bytes);
        checkMessages(valid, int(prompts.messages.size()));
        if (!valid) {
            continue;
        }
        QByteArray written;
        QByteArray rewritten;
        room->writeDianqi(&written);
        copy->objects.clear();
        copy->roomstyle = room->roomstyle;
        // Snapping a snapped appliance leaves it where it is.
        if (!copy->readDianqi(&written) || copy->objects.size() != room->objects.size()) {
            __builtin_trap();
        }
        copy->writeDianqi(&rewritten);
        if (rewritten != written) {
            __builtin_trap();
        }
    }
    return 0;
}
