#include "quote/v5_room.h"

#include "core/rounding.h"
#include "core/tdianqi_rec.h"
#include "core/tpic_rec.h"
#include "core/troom_obj.h"
#include "store/v5_design_file.h"

#include <algorithm>
#include <limits>

namespace v5_room {

namespace {

using v5_design::GridSide;

// The last column (row) whose content decides a strip, and the first row (column) that
// is searched for it.
constexpr int LastStripLine = 200;
constexpr int FirstSearched = 3;

qint32 clampToInt(qint64 value) {
    return qint32(std::clamp<qint64>(value, std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max()));
}

qint64 scaled(qint32 value, double scale) {
    return rounding::halfEven64(double(value) * scale);
}

// What the search along one line found: the first product above 0, or whether every
// cell searched was -1 or 0 (then `last` is the value of the last one).
struct LineSearch {
    qint32 found = -1;
    bool onlyEmpty = true;
    qint32 last = -1;
};

template <typename CellAt> LineSearch searchLine(CellAt cellAt) {
    LineSearch s;
    for (int i = FirstSearched; i <= LastStripLine; ++i) {
        const qint32 value = cellAt(i);
        if (value > 0) {
            s.found = value;
            s.onlyEmpty = false;
            return s;
        }
        s.onlyEmpty = s.onlyEmpty && (value == -1 || value == 0);
        s.last = value;
    }
    return s;
}

void stripsAlongColumns(TRoom_OBJ& room) {
    int j = 2;
    for (int k = 2; k <= LastStripLine; ++k) {
        const LineSearch s = searchLine([&](int row) { return room.cell(k, row); });
        if (s.found <= 0 && !s.onlyEmpty) {
            continue; // only covered cells: no strip
        }
        room.cell(j, 1) = s.found > 0 ? s.found : s.last;
        room.cellAttribute(j, 1) = 2;
        if (s.found > 0) {
            if (const tpic_rec* product = room.productLookup(s.found, 2)) {
                room.cell(j, 0) = product->height;
            }
        }
        ++j;
    }
}

void stripsAlongRows(TRoom_OBJ& room) {
    int j = 2;
    for (int r = 2; r <= LastStripLine; ++r) {
        const LineSearch s = searchLine([&](int column) { return room.cell(column, r); });
        if (s.found <= 0 && !s.onlyEmpty) {
            continue;
        }
        room.cell(1, j) = s.found > 0 ? s.found : -1;
        room.cellAttribute(1, j) = 1;
        if (s.found > 0) {
            if (const tpic_rec* product = room.productLookup(s.found, 0)) {
                room.cell(0, j) = product->height;
            }
        }
        ++j;
    }
}

} // namespace

Layout layoutOf(const v5_design::Design& design) {
    switch (design.style) {
    case 1:
        return {50, 50, StripsAlongRows};
    case 2:
        return {50, 50, StripsAlongColumns};
    case 3:
        return {25, 25, StripsAlongRows};
    case 4:
        return {25, 25, StripsAlongColumns};
    case 6:
        return {20, 20, StripsAlongRows};
    case 7:
        return {20, 20, StripsAlongColumns};
    default: // 0 and 5
        return {design.cellWidth, design.cellHeight, SquarePanelRoom};
    }
}

void layOut(TRoom_OBJ& room, const v5_design::Design& design) {
    const Layout layout = layoutOf(design);
    room.wall.setOutline({}, {});
    room.roomstyle = layout.roomMode;
    for (int c = 0; c <= TRoom_OBJ::LastCell; ++c) {
        for (int r = 0; r <= TRoom_OBJ::LastCell; ++r) {
            room.cell(c, r) = -1;
            room.cellAttribute(c, r) = 0;
        }
    }
    for (int c = 1; c <= GridSide; ++c) {
        for (int r = 1; r <= GridSide; ++r) {
            room.cell(c, r) = design.cell(c, r);
            room.cellAttribute(c, r) = design.attribute(c, r);
        }
    }
    for (int i = 0; i <= TRoom_OBJ::LastCell; ++i) {
        room.cell(i, 0) = layout.cellWidth;
        room.cell(0, i) = layout.cellHeight;
    }
    room.stripFreeMode = true;

    const qint64 offsetX = scaled(design.offsetX, design.scale);
    const qint64 offsetY = scaled(design.offsetY, design.scale);
    const qint64 shiftX = scaled(design.objectShiftX, design.scale);
    const qint64 shiftY = scaled(design.objectShiftY, design.scale);
    room.objects.clear();
    for (const v5_design::PlacedObject& o : design.objects) {
        auto object = std::make_unique<tdianqi_rec>();
        object->id = o.id;
        object->orientation = o.orientation;
        object->x = clampToInt(rounding::halfEven64(double(o.a) * design.cellWidth / 10) + shiftX -
                               offsetX);
        object->y = clampToInt(rounding::halfEven64(double(o.b) * design.cellHeight / 10) + shiftY -
                               offsetY);
        object->selected = false;
        room.objects.push_back(std::move(object));
    }

    QList<QPoint> corners;
    for (const v5_design::Corner& c : design.corners) {
        corners.append(QPoint(clampToInt(scaled(c.x, design.scale) - offsetX),
                              clampToInt(scaled(c.y, design.scale) - offsetY)));
    }
    room.wall.setOutline(corners, {});
}

void mapProducts(TRoom_OBJ& room, const IdMap& mapped) {
    for (int c = 2; c <= GridSide; ++c) {
        for (int r = 2; r <= GridSide; ++r) {
            qint32& id = room.cell(c, r);
            if (id > 0) {
                if (const auto found = mapped.find(id); found != mapped.end()) {
                    id = found->second;
                }
            }
        }
    }
    for (const std::unique_ptr<tdianqi_rec>& object : room.objects) {
        if (const auto found = mapped.find(object->id); found != mapped.end()) {
            object->id = found->second;
        }
        if (const tpic_rec* product = room.productLookup(object->id, object->orientation & 0xff)) {
            object->kind = product->kind;
        }
    }
}

void rebuildStrips(TRoom_OBJ& room) {
    if (room.roomstyle == StripsAlongColumns) {
        stripsAlongColumns(room);
    } else if (room.roomstyle == StripsAlongRows) {
        stripsAlongRows(room);
    }
}

} // namespace v5_room
