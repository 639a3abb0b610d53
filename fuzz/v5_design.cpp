#include "room_records_fuzz.h"
#include "v5_design_fuzz.h"

#include "quote/v5_room.h"

// The import of a design file of the previous generation: arbitrary bytes are read, and a
// file that reads is laid out into a room (grid, objects, corners and strips) without
// harm. Each laid-out input rewrites the whole room grid, so this target is slow; the
// reader has a target of its own.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MessageCounter prompts;
    static const std::unique_ptr<TRoom_OBJ> room = makeFuzzRoom(prompts, SquarePanelRoom);
    const QByteArray bytes = fuzzBytes(data, size);

    const v5_design::ReadResult result = v5_design::read(bytes);
    checkDesignRead(result, bytes);
    if (result.status != v5_design::ReadStatus::Read) {
        return 0;
    }
    const v5_design::Design& d = result.design;
    v5_room::layOut(*room, d);
    v5_room::mapProducts(*room, {{d.cell(2, 2), 7}});
    v5_room::rebuildStrips(*room);
    room->computeActiveRange();
    return 0;
}
