#pragma once

// What the two design file targets share: the promises of the design file reader.

#include "store/v5_design_file.h"

#include <QByteArray>

#include <cstddef>

// A file that does not read leaves no partial design; one that reads is complete and
// holds no more entries than its bytes can carry.
inline void checkDesignRead(const v5_design::ReadResult& result, const QByteArray& bytes) {
    const v5_design::Design& d = result.design;
    if (result.status != v5_design::ReadStatus::Read) {
        if (!d.cells.empty() || !d.objects.empty() || !d.corners.empty()) {
            __builtin_trap();
        }
        return;
    }
    constexpr std::size_t cellCount = std::size_t(v5_design::GridSide) * v5_design::GridSide;
    if (d.cells.size() != cellCount || d.attributes.size() != cellCount ||
        d.otherItems.size() > std::size_t(v5_design::MostEntries) ||
        d.billLines.size() > std::size_t(v5_design::MostEntries) ||
        (d.objects.size() + d.corners.size()) * 16 > std::size_t(bytes.size())) {
        __builtin_trap();
    }
}
