#include "room_records_fuzz.h"

#include "store/stored_lists.h"

#include <cstring>

namespace {

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

template <typename Entry> bool sameEntries(const QList<Entry>& read, const QList<Entry>& again) {
    QList<Entry> kept;
    for (const Entry& entry : read) {
        if (entry.number != 0) {
            kept.append(entry);
        }
    }
    if (kept.size() != again.size()) {
        return false;
    }
    for (qsizetype i = 0; i < kept.size(); ++i) {
        const Entry& a = kept[i];
        const Entry& b = again[i];
        if (a.title != b.title || a.id != b.id || a.style != b.style ||
            a.cailiao_id != b.cailiao_id || a.danwei != b.danwei ||
            !sameBits(double(a.number), double(b.number)) || !sameBits(a.price, b.price)) {
            return false;
        }
    }
    return true;
}

} // namespace

// Reads arbitrary bytes as both stored lists: no input may crash, a message is shown
// exactly when the list did not end cleanly, and what was read is written and read
// back to the same entries without a message.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MessageCounter prompts;
    const QByteArray bytes = fuzzBytes(data, size);

    prompts.messages.clear();
    const QList<Ppdu_id> lines = stored_lists::decodeBillLines(bytes, &prompts);
    const QList<otherrec> items = stored_lists::decodeOtherItems(bytes, &prompts);
    if (prompts.messages.size() > 2) {
        __builtin_trap();
    }
    prompts.messages.clear();
    const QList<Ppdu_id> linesAgain =
        stored_lists::decodeBillLines(stored_lists::encodeBillLines(lines), &prompts);
    const QList<otherrec> itemsAgain =
        stored_lists::decodeOtherItems(stored_lists::encodeOtherItems(items), &prompts);
    if (!prompts.messages.isEmpty() || !sameEntries(lines, linesAgain) ||
        !sameEntries(items, itemsAgain)) {
        __builtin_trap();
    }
    return 0;
}
