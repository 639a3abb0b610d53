#include "core/troom_obj.h"

#include "design/grid_edges.h"
#include "design/mask_reader.h"

#include <algorithm>

namespace {

// The mask seen along one strip: `along` runs down a column (room mode 1) or across a
// row (room mode 2); the strip's two edge lines lie at `lo` and `hi` across it.
class StripLines {
public:
    StripLines(const MaskReader& mask, bool alongColumns, int lo, int hi)
        : mask_(mask), alongColumns_(alongColumns), lo_(lo), hi_(hi) {}

    bool inside(int along) const { return test(along, &MaskReader::inside); }
    bool red(int along) const { return test(along, &MaskReader::red); }
    bool white(int along) const { return test(along, &MaskReader::white); }

private:
    // Whether either edge line's pixel at `along` passes the test.
    bool test(int along, bool (MaskReader::*pixelTest)(int, int) const) const {
        if (alongColumns_) {
            return (mask_.*pixelTest)(lo_, along) || (mask_.*pixelTest)(hi_, along);
        }
        return (mask_.*pixelTest)(along, lo_) || (mask_.*pixelTest)(along, hi_);
    }

    const MaskReader& mask_;
    bool alongColumns_;
    int lo_;
    int hi_;
};

} // namespace

// One run per column (row) from the room's first to its last inside point along the two
// edge lines of the strip, stretched to the wall corners between them and walked in off
// outline pixels that lie outside the strip.
std::vector<TRoom_OBJ::StripRun> TRoom_OBJ::stripRuns() const {
    const bool alongColumns = roomstyle == StripsAlongColumns;
    if (!alongColumns && roomstyle != StripsAlongRows) {
        return {};
    }
    const MaskReader mask(this->mask, maskOrigin);
    const GridEdges edges(*this);
    const int first = alongColumns ? firstColumn : firstRow;
    const int last = alongColumns ? lastColumn : lastRow;
    const int boxAcrossLo = alongColumns ? roomBox.minX : roomBox.minY;
    const int boxAcrossHi = alongColumns ? roomBox.maxX : roomBox.maxY;
    const int boxAlongLo = alongColumns ? roomBox.minY : roomBox.minX;
    const int boxAlongHi = alongColumns ? roomBox.maxY : roomBox.maxX;

    std::vector<StripRun> runs;
    for (int i = first; i <= last; ++i) {
        const qint32 product = alongColumns ? cell(i, 1) : cell(1, i);
        const qint64 edge = alongColumns ? edges.columnLeft(i) : edges.rowTop(i);
        const int lo = GridEdges::toCm(edge);
        const int hi = GridEdges::toCm(edge + (alongColumns ? columnWidth(i) : rowHeight(i)));
        if (product < 0 || !(boxAcrossLo < hi && lo < boxAcrossHi)) {
            continue;
        }
        // The wall corners between the edge lines; a row takes only those more than a
        // centimetre inside its edges.
        int cornerLo = 2001;
        int cornerHi = -1;
        for (const QPoint p : wall.corners()) {
            const int across = alongColumns ? p.x() : p.y();
            const int along = alongColumns ? p.y() : p.x();
            const bool between =
                alongColumns ? lo <= across && across <= hi : lo + 1 < across && across < hi - 1;
            if (between) {
                cornerLo = std::min(cornerLo, along);
                cornerHi = std::max(cornerHi, along);
            }
        }
        const StripLines lines(mask, alongColumns, lo, hi);
        int start = boxAlongHi;
        for (int p = boxAlongLo; p < boxAlongHi; ++p) {
            if (lines.inside(p)) {
                start = p;
                break;
            }
        }
        int end = boxAlongLo;
        for (int p = boxAlongHi; p > boxAlongLo; --p) {
            if (lines.inside(p)) {
                end = p;
                break;
            }
        }
        start = std::min(start, cornerLo);
        end = std::max(end, cornerHi);
        while (lines.red(start + 1) && lines.white(start)) {
            ++start;
        }
        while (lines.red(end - 1) && lines.white(end)) {
            --end;
        }
        runs.push_back({i, product, start, end});
    }
    return runs;
}

void TRoom_OBJ::stripMeasurement() {
    for (const StripRun& run : stripRuns()) {
        // A strip whose edge lines never meet the room, with no corner between them,
        // has no run: it adds nothing instead of a negative length.
        const int length = run.lengthCm();
        (roomstyle == StripsAlongColumns ? cell(run.index, 2) : cell(2, run.index)) = length;
        if (length > 0) {
            addQuantity(run.product, length / 100.0);
        }
    }
}
