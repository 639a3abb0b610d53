#pragma once

#include <QtGlobal>

#include <cmath>
#include <limits>

// The rounding and integer arithmetic that the plan and canvas conversions rely on.
namespace rounding {

// Nearest integer, halves to even (the default floating-point rounding mode). Values
// beyond the int range saturate and NaN gives 0, so a division by a zero scale cannot
// produce an undefined conversion.
inline int halfEven(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    if (value <= low) {
        return std::numeric_limits<int>::min();
    }
    if (value >= high) {
        return std::numeric_limits<int>::max();
    }
    return int(std::lrint(value));
}

// The same for 64-bit results.
inline qint64 halfEven64(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double limit = 9.2e18;
    if (value <= -limit || value >= limit) {
        return value < 0 ? -qint64(limit) : qint64(limit);
    }
    return qint64(std::llrint(value));
}

// A product formed in 32-bit integers: wraps like the 32-bit multiplication it stands
// for instead of overflowing into undefined behaviour.
inline qint32 mul32(qint32 a, qint32 b) {
    return qint32(quint32(a) * quint32(b));
}

// A sum formed in 32-bit integers, wrapping the same way.
inline qint32 add32(qint32 a, qint32 b) {
    return qint32(quint32(a) + quint32(b));
}

} // namespace rounding
