#pragma once

#include <QColor>
#include <cstdint>

// Colours in the platform's order 0x00BBGGRR (red in the low byte), the form in which
// stored values and the room mask's colours are given.
using TColor = std::uint32_t;

namespace colors {
constexpr TColor White = 0xFFFFFF;
constexpr TColor Black = 0x000000;
constexpr TColor Red = 0x0000FF;
constexpr TColor Green = 0x008000;
constexpr TColor Lime = 0x00FF00;
constexpr TColor Blue = 0xFF0000;
constexpr TColor Grey = 0x808080;
constexpr TColor Silver = 0xC0C0C0;
constexpr TColor Yellow = 0x00FFFF;
} // namespace colors

constexpr TColor makeColor(int r, int g, int b) {
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr int redOf(TColor c) {
    return int(c & 0xFF);
}
constexpr int greenOf(TColor c) {
    return int((c >> 8) & 0xFF);
}
constexpr int blueOf(TColor c) {
    return int((c >> 16) & 0xFF);
}

// QImage pixels are 0xAARRGGBB.
constexpr std::uint32_t toQRgb(TColor c) {
    return 0xFF000000u | (TColor(redOf(c)) << 16) | (TColor(greenOf(c)) << 8) | TColor(blueOf(c));
}
constexpr TColor fromQRgb(std::uint32_t rgb) {
    return makeColor(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}
inline QColor toQColor(TColor c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}
