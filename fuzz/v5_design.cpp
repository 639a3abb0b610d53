#include "room_records_fuzz.h"

#include "quote/v5_room.h"
#include "store/v5_design_file.h"

// Reads arbitrary bytes as a design file of the previous generation: no input may crash
// or allocate beyond what its bytes can hold; a file that reads is complete and laid out
// into a room (grid, objects, corners and strips) without harm.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MessageCounter prompts;
    static const std::unique_ptr<TRoom_OBJ> room = makeFuzzRoom(prompts, SquarePanelRoom);
    const QByteArray bytes = fuzzBytes(data, size);

    const v5_design::ReadResult result = v5_design::read(bytes);
    if (result.status != v5_design::ReadStatus::Read) {
        if (!result.design.cells.empty() || !result.design.objects.empty()) {
            __builtin_trap();
        }
        return 0;
    }
    const v5_design::Design& d = result.design;
    constexpr std::size_t cellCount = std::size_t(v5_design::GridSide) * v5_design::GridSide;
    if (d.cells.size() != cellCount || d.attributes.size() != cellCount ||
        d.otherItems.size() > std::size_t(v5_design::MostEntries) ||
        d.billLines.size() > std::size_t(v5_design::MostEntries) ||
        d.objects.size() * 16 > std::size_t(bytes.size())) {
        __builtin_trap();
    }
    v5_room::layOut(*room, d);
    v5_room::mapProducts(*room, {{d.cell(2, 2), 7}});
    v5_room::rebuildStrips(*room);
    room->computeActiveRange();
    return 0;
}
