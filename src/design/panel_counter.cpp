#include "design/panel_counter.h"

#include "core/tpic_rec.h"
#include "library/product_library.h"

#include <algorithm>

namespace {

// The lowest minimum panel coverage in percent.
constexpr int LeastCoverage = 5;

bool containsBox(const ObjectBox& outer, const ObjectBox& inner) {
    return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
           inner.bottom <= outer.bottom;
}

} // namespace

PanelCounter::PanelCounter(TRoom_OBJ& room)
    : room_(room), edges_(room), mask_(room.mask, room.maskOrigin),
      minimumCoverage_(std::max(room.minimumCoverage, LeastCoverage)) {
    // The rectangles from the objects' current positions: a move since the last paint
    // must already count.
    for (const std::unique_ptr<tdianqi_rec>& object : room.objects) {
        if (object->kind == KindAppliance && room.refreshObjectRectangles(*object)) {
            appliances_.push_back(object->planRect);
        }
    }
}

int PanelCounter::contribution(GridCell anchor) {
    const qint32 product = room_.cell(anchor.column, anchor.row);
    if (product < 0) {
        return 0;
    }
    quint8& attribute = room_.cellAttribute(anchor.column, anchor.row);
    const tpic_rec* item = room_.productLookup(product, attribute % 10);
    if (!item) {
        return 0;
    }
    const TRoom_OBJ::CellSpan span = room_.spanTest(anchor, item->width, item->height);
    if (!span.fits) {
        return 0;
    }
    const ObjectBox block = edges_.planBlock(anchor, item->width, item->height);
    if ((attribute / 10) % 10 == 1) {
        if (underAppliance(block)) {
            return 0;
        }
        attribute = quint8(attribute - 10);
    }
    const int cornersInside =
        int(mask_.inside(block.left, block.top)) + int(mask_.inside(block.right, block.top)) +
        int(mask_.inside(block.left, block.bottom)) + int(mask_.inside(block.right, block.bottom));
    if (cornersInside == 4) {
        return 1;
    }
    if (cornersInside == 0 && !wallCornerIn(block)) {
        clearBlock(anchor, span);
        return 0;
    }
    // Partly inside: the share of inside pixels against the minimum coverage, compared
    // in integers so that a panel exactly at the minimum never counts (count × 100 >
    // coverage × area holds exactly when count exceeds the floor of coverage × area ÷ 100).
    const qint64 area = qint64(block.right - block.left) * (block.bottom - block.top);
    if (area == 0) {
        return 0;
    }
    const qint64 scaled = minimumCoverage_ * area;
    const qint64 threshold = scaled >= 0 ? scaled / 100 : (scaled - 99) / 100;
    return mask_.insideMoreThan(block, threshold) ? 1 : 0;
}

bool PanelCounter::underAppliance(const ObjectBox& block) const {
    return std::any_of(
        appliances_.begin(), appliances_.end(),
        [&block](const ObjectBox& appliance) { return containsBox(appliance, block); });
}

bool PanelCounter::wallCornerIn(const ObjectBox& block) const {
    const QList<QPoint>& corners = room_.wall.corners();
    return std::any_of(corners.begin(), corners.end(), [&block](QPoint p) {
        return p.x() >= block.left && p.x() <= block.right && p.y() >= block.top &&
               p.y() <= block.bottom;
    });
}

void PanelCounter::clearBlock(GridCell anchor, const TRoom_OBJ::CellSpan& span) {
    for (int c = anchor.column; c < anchor.column + span.columns; ++c) {
        for (int r = anchor.row; r < anchor.row + span.rows; ++r) {
            room_.cell(c, r) = -1;
            room_.cellAttribute(c, r) = 0;
        }
    }
    room_.roomChanged = true;
}
