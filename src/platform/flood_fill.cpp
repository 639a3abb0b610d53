#include "platform/flood_fill.h"

#include <QImage>

#include <vector>

namespace {

constexpr std::uint32_t RgbMask = 0x00FFFFFF;

struct Span {
    int y;      // row to scan
    int x1, x2; // inclusive range of the parent's filled run
    int dy;     // direction from the parent row
};

// Scanline span fill over the pixels for which `fillable(pixel)` holds; `fillable` must
// be false for the fill colour, so every pixel is filled once. Each run is scanned from
// its parent row only, and the run's overhang beyond the parent is sent back the other
// way, so most pixels are read twice at most.
template <typename Fillable>
long long spanFill(QImage& image, int x, int y, std::uint32_t fill, Fillable fillable) {
    const int w = image.width();
    const int h = image.height();
    if (x < 0 || y < 0 || x >= w || y >= h) {
        return 0;
    }
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    auto row = [bits, stride](int yy) {
        return reinterpret_cast<std::uint32_t*>(bits + stride * yy);
    };
    if (!fillable(row(y)[x])) {
        return 0;
    }
    long long changed = 0;
    std::vector<Span> work;
    auto push = [&work, h](int yy, int x1, int x2, int dy) {
        if (yy >= 0 && yy < h && x1 <= x2) {
            work.push_back({yy, x1, x2, dy});
        }
    };
    // Fill the seed's run, then look both ways from it.
    {
        std::uint32_t* line = row(y);
        int left = x;
        while (left > 0 && fillable(line[left - 1])) {
            --left;
        }
        int right = x;
        while (right + 1 < w && fillable(line[right + 1])) {
            ++right;
        }
        std::fill(line + left, line + right + 1, fill);
        changed += right - left + 1;
        push(y - 1, left, right, -1);
        push(y + 1, left, right, 1);
    }
    while (!work.empty()) {
        const Span s = work.back();
        work.pop_back();
        std::uint32_t* line = row(s.y);
        int cx = s.x1;
        // A run that starts inside the parent range may extend to the left of it.
        if (fillable(line[cx])) {
            int left = cx;
            while (left > 0 && fillable(line[left - 1])) {
                --left;
            }
            if (left < s.x1 - 1) {
                push(s.y - s.dy, left, s.x1 - 2, -s.dy);
            }
            cx = left;
        }
        while (cx <= s.x2) {
            if (!fillable(line[cx])) {
                ++cx;
                continue;
            }
            int right = cx;
            while (right + 1 < w && fillable(line[right + 1])) {
                ++right;
            }
            std::fill(line + cx, line + right + 1, fill);
            changed += right - cx + 1;
            push(s.y + s.dy, cx, right, s.dy);
            if (right > s.x2 + 1) {
                push(s.y - s.dy, s.x2 + 2, right, -s.dy);
            }
            cx = right + 2;
        }
    }
    return changed;
}

bool is32Bit(const QImage& image) {
    return image.depth() == 32;
}

} // namespace

namespace flood {

long long fillToBorder(QImage& image, int x, int y, TColor border, TColor fill) {
    if (!is32Bit(image)) {
        return 0;
    }
    const std::uint32_t b = toQRgb(border) & RgbMask;
    const std::uint32_t f = toQRgb(fill) & RgbMask;
    return spanFill(image, x, y, toQRgb(fill), [b, f](std::uint32_t p) {
        const std::uint32_t c = p & RgbMask;
        return c != b && c != f;
    });
}

long long fillSurface(QImage& image, int x, int y, TColor fill) {
    if (!is32Bit(image) || x < 0 || y < 0 || x >= image.width() || y >= image.height()) {
        return 0;
    }
    const std::uint32_t seed = image.pixel(x, y) & RgbMask;
    const std::uint32_t f = toQRgb(fill);
    if (seed == (f & RgbMask)) {
        return 0;
    }
    return spanFill(image, x, y, f, [seed](std::uint32_t p) { return (p & RgbMask) == seed; });
}

} // namespace flood
