#include "v5_design_fuzz.h"

#include <cstdint>

// Reads arbitrary bytes as a design file of the previous generation, the reader alone:
// no input may crash or allocate beyond what its bytes can hold. Fast enough to search
// the reader's branches deeply; the import target lays the files that read into a room.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The input as it is, without a copy: the files that read are nearly 400 KB.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkDesignRead(v5_design::read(bytes), bytes);
    return 0;
}
