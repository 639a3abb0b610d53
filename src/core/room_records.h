#pragma once

#include "core/byte_stream.h"

class Prompts;
class QString;

// What the three room record readers share.
namespace room_records {

// The int32 that ends every room record: 0xFFFF00FF.
constexpr qint32 EndMarker = -65281;

// How reading a record ended.
enum class Outcome {
    Valid,
    Invalid, // the stream ended early or the end marker is not where it belongs: nothing shown
    Corrupt, // a length, count or size that cannot be: shown with the reader's message
};

// Whether a stored count or length can describe a record at all: not when negative, nor
// from 2^28 on, where the fields it announces would fill gigabytes that no stream holds.
// Such a value is corrupt, as one that cannot be allocated; a count that merely reaches
// past the bytes left is an early end.
constexpr bool holdable(qint64 count) {
    return count >= 0 && count < (qint64(1) << 28);
}

// The record is valid when the end marker follows its last field.
Outcome readEndMarker(ByteReader& in);

// Whether the record is valid; a corrupt one shows `message` through `prompts` (if any).
bool report(Outcome outcome, Prompts* prompts, const QString& message);

} // namespace room_records
