#include "store/exchange_file.h"

#include <cstdlib>

namespace {

bool sameRooms(const std::vector<ExchangeRoom>& a, const std::vector<ExchangeRoom>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].title != b[i].title || a[i].zoom != b[i].zoom || a[i].wall != b[i].wall ||
            a[i].kouban != b[i].kouban || a[i].dianqi != b[i].dianqi || a[i].pic != b[i].pic) {
            return false;
        }
    }
    return true;
}

} // namespace

// Reads arbitrary bytes as a project exchange file: no input may crash or allocate beyond
// its own size, and a file read whole is written and read back to the same content.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ExchangeRead read = decodeExchangeFile(bytes);
    if (!read.complete) {
        return 0;
    }
    const ExchangeRead again = decodeExchangeFile(encodeExchangeFile(read.file));
    const ExchangeFile& a = read.file;
    const ExchangeFile& b = again.file;
    if (!again.complete || a.ming != b.ming || a.compid != b.compid || a.areaId != b.areaId ||
        a.fields != b.fields || a.prolist != b.prolist || a.otherlist != b.otherlist ||
        !sameRooms(a.rooms, b.rooms)) {
        std::abort();
    }
    return 0;
}
