#include "room_records_fuzz.h"

#include <array>

// Reads arbitrary bytes as a RoomKouban record in each of the three room modes: no input
// may crash or reach past the grid, and a record read whole is written and read back to
// the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MessageCounter prompts;
    static const std::array<std::unique_ptr<TRoom_OBJ>, 3> rooms = {
        makeFuzzRoom(prompts, SquarePanelRoom), makeFuzzRoom(prompts, StripsAlongColumns),
        makeFuzzRoom(prompts, StripsAlongRows)};
    static const std::unique_ptr<TRoom_OBJ> copy = makeFuzzRoom(prompts, SquarePanelRoom);

    const QByteArray bytes = fuzzBytes(data, size);
    for (const std::unique_ptr<TRoom_OBJ>& room : rooms) {
        resetFuzzRoom(*room);
        prompts.messages.clear();
        const bool valid = room->readKouban(&bytes);
        checkMessages(valid, int(prompts.messages.size()));
        if (!valid) {
            continue;
        }
        QByteArray written;
        QByteArray rewritten;
        room->writeKouban(&written);
        resetFuzzRoom(*copy);
        copy->roomstyle = room->roomstyle;
        if (!copy->readKouban(&written)) {
            __builtin_trap();
        }
        copy->writeKouban(&rewritten);
        if (rewritten != written) {
            __builtin_trap();
        }
    }
    return 0;
}
