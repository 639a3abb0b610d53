#include "core/troom_obj.h"
#include "platform/prompts.h"

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

// The whole-room transformations: mirroring the outline, and the quarter turn of the
// outline with the grid, the panels, the strips and the objects.

namespace {

// What a column or a row carries in its head entries: its size and, in a strip room
// whose strips run along it, the strip entry and the strip length.
struct LineHeads {
    qint32 size = 0;
    qint32 strip = -1;
    qint32 length = -1;
};

LineHeads columnHeads(const TRoom_OBJ& room, int c) {
    if (room.roomstyle != StripsAlongColumns) {
        return {room.cell(c, 0)};
    }
    return {room.cell(c, 0), room.cell(c, 1), room.cell(c, 2)};
}

LineHeads rowHeads(const TRoom_OBJ& room, int r) {
    if (room.roomstyle != StripsAlongRows) {
        return {room.cell(0, r)};
    }
    return {room.cell(0, r), room.cell(1, r), room.cell(2, r)};
}

// Strip entries are written with the attribute of the room mode: 1 along columns (shown
// turned), 0 along rows.
void setColumnHeads(TRoom_OBJ& room, int c, const LineHeads& heads) {
    room.cell(c, 0) = heads.size;
    if (room.roomstyle == StripsAlongColumns) {
        room.cell(c, 1) = heads.strip;
        room.cell(c, 2) = heads.length;
        room.cellAttribute(c, 1) = 1;
    }
}

void setRowHeads(TRoom_OBJ& room, int r, const LineHeads& heads) {
    room.cell(0, r) = heads.size;
    if (room.roomstyle == StripsAlongRows) {
        room.cell(1, r) = heads.strip;
        room.cell(2, r) = heads.length;
        room.cellAttribute(1, r) = 0;
    }
}

// A block of grid lines, columns or rows first..last.
struct Lines {
    int first;
    int last;
    int count() const { return last - first + 1; }
};

std::vector<LineHeads> saveColumns(const TRoom_OBJ& room, Lines columns) {
    std::vector<LineHeads> saved;
    for (int c = columns.first; c <= columns.last; ++c) {
        saved.push_back(columnHeads(room, c));
    }
    return saved;
}

std::vector<LineHeads> saveRows(const TRoom_OBJ& room, Lines rows) {
    std::vector<LineHeads> saved;
    for (int r = rows.first; r <= rows.last; ++r) {
        saved.push_back(rowHeads(room, r));
    }
    return saved;
}

// Takes the strips off the lines, keeping their sizes, before the lines' heads move.
void clearStrips(TRoom_OBJ& room, Lines columns, Lines rows) {
    for (int c = columns.first; c <= columns.last; ++c) {
        setColumnHeads(room, c, {room.cell(c, 0)});
    }
    for (int r = rows.first; r <= rows.last; ++r) {
        setRowHeads(room, r, {room.cell(0, r)});
    }
}

struct CellContent {
    qint32 value;
    quint8 attribute;
};

// A covered cell as a copy of its anchor; a covered cell whose anchor holds no panel is
// empty.
CellContent expandedCell(const TRoom_OBJ& room, int c, int r) {
    const qint32 value = room.cell(c, r);
    if (value >= -1) {
        return {value, room.cellAttribute(c, r)};
    }
    const GridCell anchor = TRoom_OBJ::coveredCellAnchor(value);
    if (anchor.column < 1 || anchor.column > TRoom_OBJ::LastCell || anchor.row < 1 ||
        anchor.row > TRoom_OBJ::LastCell || room.cell(anchor.column, anchor.row) < 0) {
        return {-1, 0};
    }
    return {room.cell(anchor.column, anchor.row), room.cellAttribute(anchor.column, anchor.row)};
}

// The orientation digit a quarter further; the under-appliance digit and above stay.
quint8 turnedAttribute(quint8 attribute) {
    const int units = attribute % 10;
    return quint8(attribute - units + (units + 1) % 4);
}

// The cells of the block row by row, top row first, each from left to right.
std::vector<CellContent> cellsRowByRow(const TRoom_OBJ& room, Lines columns, Lines rows) {
    std::vector<CellContent> list;
    list.reserve(std::size_t(columns.count()) * std::size_t(rows.count()));
    for (int r = rows.first; r <= rows.last; ++r) {
        for (int c = columns.first; c <= columns.last; ++c) {
            list.push_back({room.cell(c, r), room.cellAttribute(c, r)});
        }
    }
    return list;
}

// The room before the grid ever followed its walls: only the outline turns, about the
// middle of its bounds, and is moved to the middle of the plan.
void turnOutline(TRoom_OBJ& room) {
    Bounds b;
    if (!room.wall.planBounds(b)) {
        return;
    }
    room.wall.rotateQuarter({(b.minX + b.maxX) / 2, (b.minY + b.maxY) / 2});
    room.wall.shiftPlan({1000 - (b.maxX / 2 + b.minX / 2), 1000 - (b.maxY / 2 + b.minY / 2)});
    room.rebuildMask();
    room.roomModified = true;
    room.paint();
    room.recordStep();
}

// Turns the square of cells that covers the active range (plus two lines) a quarter
// clockwise about its top-left corner and moves the result right by the square's
// height, so that it lands on the same square. False, with nothing changed, when the
// square would reach past the grid.
bool turnGrid(TRoom_OBJ& room) {
    Lines columns{room.firstColumn, room.lastColumn};
    Lines rows{room.firstRow, room.lastRow};
    if (rows.last - rows.first < columns.last - columns.first) {
        rows.last = rows.first + (columns.last - columns.first);
    } else {
        columns.last = columns.first + (rows.last - rows.first);
    }
    columns.last += 2;
    rows.last += 2;
    if (columns.first < 1 || rows.first < 1 || columns.last > TRoom_OBJ::LastCell ||
        rows.last > TRoom_OBJ::LastCell) {
        return false;
    }
    const ObjectBox topLeft = room.cellRectangle({columns.first, rows.first});
    const int x0 = topLeft.left / 10;
    const int y0 = topLeft.top / 10;
    const int height = room.cellRectangle({columns.first, rows.last}).bottom / 10 - y0;
    const int n = columns.count();

    // Freshly placed panels own only their anchors until the covered cells are written.
    if (room.roomstyle == SquarePanelRoom) {
        room.normaliseCoveredCells();
    }

    // The bottom row becomes the left column, the left column the top row.
    const std::vector<LineHeads> oldColumns = saveColumns(room, columns);
    const std::vector<LineHeads> oldRows = saveRows(room, rows);
    clearStrips(room, columns, rows);
    if (room.roomstyle == StripsAlongColumns) {
        room.roomstyle = StripsAlongRows;
    } else if (room.roomstyle == StripsAlongRows) {
        room.roomstyle = StripsAlongColumns;
    }
    for (int i = 0; i < n; ++i) {
        setColumnHeads(room, columns.first + i, oldRows[std::size_t(n - 1 - i)]);
        setRowHeads(room, rows.first + i, oldColumns[std::size_t(i)]);
    }

    if (room.roomstyle == SquarePanelRoom) {
        // Every cell of a panel carries the panel, so that the turned block's new top-left
        // cell becomes its anchor at the next normalisation.
        std::vector<CellContent> list;
        list.reserve(std::size_t(n) * std::size_t(n));
        for (int r = rows.first; r <= rows.last; ++r) {
            for (int c = columns.first; c <= columns.last; ++c) {
                list.push_back(expandedCell(room, c, r));
            }
        }
        auto next = list.cbegin();
        for (int c = columns.last; c >= columns.first; --c) {
            for (int r = rows.first; r <= rows.last; ++r, ++next) {
                room.cell(c, r) = next->value;
                room.cellAttribute(c, r) = turnedAttribute(next->attribute);
            }
        }
    }

    // An object's bottom-left corner becomes its top-left.
    for (const std::unique_ptr<tdianqi_rec>& object : room.objects) {
        room.refreshObjectRectangles(*object);
        const int objectHeight = object->planRect.bottom - object->planRect.top;
        const int x = object->x;
        object->x = x0 + (y0 + height) - (object->y + objectHeight);
        object->y = y0 + (x - x0);
        object->orientation = ((object->orientation & 0xFF) + 1) % 4;
    }

    room.wall.rotateQuarter({x0, y0});
    room.wall.shiftPlan({height, 0});
    return true;
}

// Makes every column as wide as column 1 and every row as high as row 1, except the
// active range, which moves with its panels, strips, outline and objects to the middle of
// the plan. The range's old place is left empty. Nothing changes when the moved range
// would not lie inside the grid.
void recentreGrid(TRoom_OBJ& room) {
    const Lines columns{room.firstColumn, room.lastColumn};
    const Lines rows{room.firstRow, room.lastRow};
    const std::vector<LineHeads> savedColumns = saveColumns(room, columns);
    const std::vector<LineHeads> savedRows = saveRows(room, rows);
    const ObjectBox first = room.cellRectangle({columns.first, rows.first});
    const ObjectBox last = room.cellRectangle({columns.last, rows.last});
    const int width = (last.right - first.left + 1) / 10;
    const int height = (last.bottom - first.top + 1) / 10;

    std::vector<std::pair<qint32, qint32>> sizes; // to put back when the range cannot move
    for (int i = 2; i <= TRoom_OBJ::LastCell; ++i) {
        sizes.emplace_back(room.cell(i, 0), room.cell(0, i));
        room.cell(i, 0) = room.columnWidth(1);
        room.cell(0, i) = room.rowHeight(1);
    }
    const int nc = room.columnAt(1001 - width / 2);
    const int nr = room.rowAt(1001 - height / 2);
    if (nc == 0 || nr == 0 || nc + columns.count() - 1 > TRoom_OBJ::LastCell ||
        nr + rows.count() - 1 > TRoom_OBJ::LastCell) {
        for (int i = 2; i <= TRoom_OBJ::LastCell; ++i) {
            std::tie(room.cell(i, 0), room.cell(0, i)) = sizes[std::size_t(i - 2)];
        }
        return;
    }

    clearStrips(room, columns, rows);
    for (int i = 0; i < columns.count(); ++i) {
        setColumnHeads(room, nc + i, savedColumns[std::size_t(i)]);
    }
    for (int i = 0; i < rows.count(); ++i) {
        setRowHeads(room, nr + i, savedRows[std::size_t(i)]);
    }

    if (room.roomstyle == SquarePanelRoom) {
        const std::vector<CellContent> list = cellsRowByRow(room, columns, rows);
        for (int r = rows.first; r <= rows.last; ++r) {
            for (int c = columns.first; c <= columns.last; ++c) {
                room.cell(c, r) = -1;
                room.cellAttribute(c, r) = 0;
            }
        }
        auto next = list.cbegin();
        for (int r = nr; r < nr + rows.count(); ++r) {
            for (int c = nc; c < nc + columns.count(); ++c, ++next) {
                room.cell(c, r) = next->value;
                room.cellAttribute(c, r) = next->attribute;
            }
        }
    }

    const ObjectBox target = room.cellRectangle({nc, nr});
    const QPoint shift((target.left - first.left) / 10, (target.top - first.top) / 10);
    room.wall.shiftPlan(shift);
    for (const std::unique_ptr<tdianqi_rec>& object : room.objects) {
        object->x += shift.x();
        object->y += shift.y();
    }
}

// What a turn changes, kept to take the turn back.
class TurnBackup {
public:
    explicit TurnBackup(const TRoom_OBJ& room)
        : cells_(room.cells), attributes_(room.cellAttributes), corners_(room.wall.corners()),
          kinds_(room.wall.kinds()), roomMode_(room.roomstyle) {
        for (const std::unique_ptr<tdianqi_rec>& object : room.objects) {
            objects_.push_back(*object);
        }
    }

    void restore(TRoom_OBJ& room) const {
        room.cells = cells_;
        room.cellAttributes = attributes_;
        room.wall.setOutline(corners_, kinds_);
        room.roomstyle = roomMode_;
        room.objects.clear();
        for (const tdianqi_rec& object : objects_) {
            room.objects.push_back(std::make_unique<tdianqi_rec>(object));
        }
        room.computeActiveRange();
    }

private:
    BlockGrid<qint32> cells_;
    BlockGrid<quint8> attributes_;
    QList<QPoint> corners_;
    QList<quint8> kinds_;
    qint32 roomMode_;
    std::vector<tdianqi_rec> objects_;
};

bool onPlan(const troom_Wall& wall) {
    return std::all_of(wall.corners().cbegin(), wall.corners().cend(), [](QPoint p) {
        return p.x() >= 1 && p.x() <= 1999 && p.y() >= 1 && p.y() <= 1999;
    });
}

} // namespace

// The mask follows the mirrored outline, so that the counting and an undo that keeps
// this outline see the room as drawn.
void TRoom_OBJ::flipHorizontal() {
    wall.flipHorizontal();
    rebuildMask();
    paint();
}

void TRoom_OBJ::flipVertical() {
    wall.flipVertical();
    rebuildMask();
    paint();
}

void TRoom_OBJ::rotateRoom() {
    // The range of a room that never was in design mode is still the initial one cell.
    if (lastColumn <= firstColumn && lastRow <= firstRow) {
        turnOutline(*this);
        return;
    }
    // A room nearly as large as the plan cannot turn and keep its cells: turned, it would
    // lie partly off the plan, where its panels and objects would be lost. It stays as it
    // was, and the user is told why nothing turned.
    const auto refuse = [this] {
        if (prompts) {
            prompts->message(QStringLiteral("房间旋转后将超出图纸范围,不能旋转"));
        }
    };
    const TurnBackup backup(*this);
    if (!turnGrid(*this)) {
        refuse();
        return;
    }
    computeActiveRange();
    recentreGrid(*this);
    if (!onPlan(wall)) {
        backup.restore(*this);
        refuse();
        return;
    }
    computeActiveRange();
    rebuildMask();
    for (const std::unique_ptr<tdianqi_rec>& object : objects) {
        refreshObjectRectangles(*object);
    }
    // The turned panels carry their product in every cell until their covered cells are
    // written again.
    if (roomstyle == SquarePanelRoom) {
        normaliseCoveredCells();
    }
    centreView();
    roomModified = true;
    recount();
    recordStep();
}
