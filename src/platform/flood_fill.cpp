#include "platform/flood_fill.h"

#include <QImage>

#include <cstdlib>
#include <new>
#include <vector>

namespace {

struct Span {
    int y;
    int x1; // inclusive
    int x2; // inclusive
};

// Marks visited pixels for fills that may pass through pixels already holding the fill
// colour. calloc hands out lazily zeroed pages, so only the rows the fill reaches cost.
class VisitedMap {
public:
    VisitedMap(int w, int h)
        : w_(w), bits_(static_cast<unsigned char*>(std::calloc(size_t(w) * size_t(h), 1))) {
        if (!bits_) {
            throw std::bad_alloc();
        }
    }
    ~VisitedMap() { std::free(bits_); }
    VisitedMap(const VisitedMap&) = delete;
    VisitedMap& operator=(const VisitedMap&) = delete;
    bool test(int x, int y) const { return bits_[size_t(y) * size_t(w_) + size_t(x)] != 0; }
    void set(int x, int y) { bits_[size_t(y) * size_t(w_) + size_t(x)] = 1; }

private:
    int w_;
    unsigned char* bits_;
};

// Scanline fill over the pixels for which `fillable(pixel, x, y)` holds; each is set
// to `fill` and reported to `visit`.
template <typename Fillable, typename Visit>
long long scanlineFill(QImage& image, int x, int y, std::uint32_t fill, Fillable fillable,
                       Visit visit) {
    const int w = image.width();
    const int h = image.height();
    if (x < 0 || y < 0 || x >= w || y >= h) {
        return 0;
    }
    auto row = [&image](int yy) { return reinterpret_cast<std::uint32_t*>(image.scanLine(yy)); };
    if (!fillable(row(y)[x], x, y)) {
        return 0;
    }
    long long changed = 0;
    std::vector<Span> work;
    work.push_back({y, x, x});
    while (!work.empty()) {
        Span s = work.back();
        work.pop_back();
        std::uint32_t* line = row(s.y);
        // Each span entry names a stretch of the row to scan for seeds.
        int cx = s.x1;
        while (cx <= s.x2) {
            if (!fillable(line[cx], cx, s.y)) {
                ++cx;
                continue;
            }
            int left = cx;
            while (left > 0 && fillable(line[left - 1], left - 1, s.y)) {
                --left;
            }
            int right = cx;
            while (right + 1 < w && fillable(line[right + 1], right + 1, s.y)) {
                ++right;
            }
            for (int i = left; i <= right; ++i) {
                line[i] = fill;
                visit(i, s.y);
            }
            changed += right - left + 1;
            if (s.y > 0) {
                work.push_back({s.y - 1, left, right});
            }
            if (s.y + 1 < h) {
                work.push_back({s.y + 1, left, right});
            }
            cx = right + 1;
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
    const std::uint32_t mask = 0x00FFFFFF;
    const std::uint32_t b = toQRgb(border) & mask;
    VisitedMap visited(image.width(), image.height());
    return scanlineFill(
        image, x, y, toQRgb(fill),
        [b, mask, &visited](std::uint32_t p, int px, int py) {
            return (p & mask) != b && !visited.test(px, py);
        },
        [&visited](int px, int py) { visited.set(px, py); });
}

long long fillSurface(QImage& image, int x, int y, TColor fill) {
    if (!is32Bit(image) || x < 0 || y < 0 || x >= image.width() || y >= image.height()) {
        return 0;
    }
    const std::uint32_t mask = 0x00FFFFFF;
    const std::uint32_t seed = image.pixel(x, y) & mask;
    const std::uint32_t f = toQRgb(fill);
    if (seed == (f & mask)) {
        return 0;
    }
    return scanlineFill(
        image, x, y, f, [seed, mask](std::uint32_t p, int, int) { return (p & mask) == seed; },
        [](int, int) {});
}

} // namespace flood
