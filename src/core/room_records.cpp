#include "core/room_records.h"

#include "platform/prompts.h"

namespace room_records {

Outcome readEndMarker(ByteReader& in) {
    qint32 marker = 0;
    if (!in.read(marker)) {
        return Outcome::Invalid;
    }
    return marker == EndMarker ? Outcome::Valid : Outcome::Invalid;
}

bool report(Outcome outcome, Prompts* prompts, const QString& message) {
    if (outcome == Outcome::Corrupt && prompts) {
        prompts->message(message);
    }
    return outcome == Outcome::Valid;
}

} // namespace room_records
