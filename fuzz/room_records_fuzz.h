#pragma once

// What the room record fuzz targets share: a room to read into and a Prompts that
// keeps the messages shown.

#include "core/troom_obj.h"
#include "platform/cautious_prompts.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <memory>

// Keeps the messages; every question gets the cautious answer.
using MessageCounter = CautiousPrompts;

// A room without canvas or library on a grid of 300 mm cells; its messages go to
// `prompts`. Rooms are large (a 1001 x 1001 grid and a 2000 x 2000 mask), so each target
// makes its rooms once and resets what a reader depends on before every input.
inline std::unique_ptr<TRoom_OBJ> makeFuzzRoom(Prompts& prompts, int mode) {
    RoomContext context;
    context.prompts = &prompts;
    return std::make_unique<TRoom_OBJ>(context, 300, 300, mode, false);
}

// The 300 x 200 cm rectangle in the middle of the plan and 300 mm sizes everywhere.
inline void resetFuzzRoom(TRoom_OBJ& room) {
    room.wall.setOutline({{850, 900}, {1150, 900}, {1150, 1100}, {850, 1100}}, {});
    for (int i = 1; i <= TRoom_OBJ::LastCell; ++i) {
        room.cell(i, 0) = 300;
        room.cell(0, i) = 300;
    }
}

inline QByteArray fuzzBytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A valid read shows no message; an invalid one at most one.
inline void checkMessages(bool valid, int shown) {
    if (shown > 1 || (valid && shown != 0)) {
        __builtin_trap();
    }
}
