#include "core/troom_obj.h"

#include "support/scripted_prompts.h"

#include <QtEndian>
#include <gtest/gtest.h>

#include <limits>

namespace {

const QString PanelError = QStringLiteral("扣板信息读取错误!");
constexpr qint32 EndMarker = qint32(0xFFFF00FF);

void int32(QByteArray& out, qint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// The grid entries 0..1000 of one axis: the unused corner entry 0, then the sizes.
void sizes(QByteArray& out, qint32 size, int narrowFrom = 0, int narrowTo = -1) {
    int32(out, 0);
    for (int i = 1; i <= 1000; ++i) {
        int32(out, i >= narrowFrom && i <= narrowTo ? size / 2 : size);
    }
}

// The 300 x 200 cm rectangle in the middle of the plan on a grid of `cell` mm cells.
std::unique_ptr<TRoom_OBJ> rectangleRoom(ScriptedPrompts& prompts, int mode, int cell = 300) {
    RoomContext context;
    context.prompts = &prompts;
    auto room = std::make_unique<TRoom_OBJ>(context, cell, cell, mode, false);
    room->wall.setOutline({{850, 900}, {1150, 900}, {1150, 1100}, {850, 1100}}, {});
    return room;
}

// A panel 5001 turned 270 degrees anchored at (30, 31) with its covered cell (31, 31).
// Range: columns 24..45 (x 850..1150 cm lies in columns 29..39) and rows 25..43 (y
// 900..1100 cm in rows 30..37), each with one cell and five of margin.
QByteArray squarePanelRecord(qint32 storedFirst, qint32 storedLast) {
    QByteArray out;
    int32(out, storedFirst);
    int32(out, storedLast);
    sizes(out, 300);
    sizes(out, 300);
    for (int c = 24; c <= 45; ++c) {
        for (int r = 25; r <= 43; ++r) {
            const bool anchor = c == 30 && r == 31;
            const bool covered = c == 31 && r == 31;
            int32(out, anchor ? 5001 : covered ? -30031 : -1);
            out.append(char(anchor ? 3 : 0));
        }
    }
    int32(out, EndMarker);
    return out;
}

// Strips along the columns: columns 30 and 31 are 150 mm wide, so x = 1150 cm falls in
// column 40 and the range is 24..46; both narrow columns hold strip 801.
QByteArray columnStripRecord(qint32 first, qint32 last) {
    QByteArray out;
    int32(out, first);
    int32(out, last);
    sizes(out, 300, 30, 31);
    for (int c = first; c <= last; ++c) {
        int32(out, c == 30 || c == 31 ? 801 : -1);
    }
    int32(out, EndMarker);
    return out;
}

// Strips along the rows, range rows 25..43; row 28 holds strip 802.
QByteArray rowStripRecord() {
    QByteArray out;
    int32(out, 25);
    int32(out, 43);
    sizes(out, 300);
    for (int r = 25; r <= 43; ++r) {
        int32(out, r == 28 ? 802 : -1);
    }
    int32(out, EndMarker);
    return out;
}

} // namespace

TEST(RoomKoubanRecord, TheRectangleRoomWritesItsActiveRange) {
    ScriptedPrompts prompts;
    auto room = rectangleRoom(prompts, SquarePanelRoom);
    room->cell(30, 31) = 5001;
    room->cellAttribute(30, 31) = 3;
    room->cell(31, 31) = -30031;
    QByteArray stream;
    ASSERT_TRUE(room->writeKouban(&stream));
    EXPECT_EQ(room->firstColumn, 24);
    EXPECT_EQ(room->lastColumn, 45);
    EXPECT_EQ(room->firstRow, 25);
    EXPECT_EQ(room->lastRow, 43);
    EXPECT_EQ(stream.size(), 10110);
    EXPECT_EQ(stream, squarePanelRecord(24, 45));
    EXPECT_FALSE(room->writeKouban(nullptr));
}

TEST(RoomKoubanRecord, SquarePanelsAreReadOverTheRangeTheReaderComputes) {
    ScriptedPrompts prompts;
    // A room made with 600 mm cells takes the 300 mm sizes of the record; the stored
    // columns are not used.
    auto room = rectangleRoom(prompts, SquarePanelRoom, 600);
    const QByteArray record = squarePanelRecord(1, 2);
    ASSERT_TRUE(room->readKouban(&record));
    EXPECT_EQ(room->columnWidth(17), 300);
    EXPECT_EQ(room->rowHeight(1000), 300);
    EXPECT_EQ(room->firstColumn, 24);
    EXPECT_EQ(room->lastRow, 43);
    EXPECT_EQ(room->cell(30, 31), 5001);
    EXPECT_EQ(room->cellAttribute(30, 31), 3);
    EXPECT_EQ(room->cell(31, 31), -30031);
    EXPECT_EQ(room->cell(24, 25), -1);
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST(RoomKoubanRecord, StripRoomsWriteTheirStripEntries) {
    ScriptedPrompts prompts;
    auto columns = rectangleRoom(prompts, StripsAlongColumns);
    columns->cell(30, 0) = columns->cell(31, 0) = 150;
    columns->cell(30, 1) = columns->cell(31, 1) = 801;
    columns->cell(30, 2) = 200; // strip length cache: not stored
    QByteArray stream;
    ASSERT_TRUE(columns->writeKouban(&stream));
    EXPECT_EQ(stream.size(), 8 + 4004 + 23 * 4 + 4);
    EXPECT_EQ(stream, columnStripRecord(24, 46));

    auto rows = rectangleRoom(prompts, StripsAlongRows);
    rows->cell(1, 28) = 802;
    ASSERT_TRUE(rows->writeKouban(&stream));
    EXPECT_EQ(stream, rowStripRecord());
}

TEST(RoomKoubanRecord, StripRoomsReadTheStoredRange) {
    ScriptedPrompts prompts;
    auto columns = rectangleRoom(prompts, StripsAlongColumns);
    const QByteArray wider = columnStripRecord(20, 50);
    ASSERT_TRUE(columns->readKouban(&wider));
    EXPECT_EQ(columns->cell(30, 1), 801);
    EXPECT_EQ(columns->cell(31, 0), 150);
    EXPECT_EQ(columns->lastColumn, 46) << "the range follows the sizes read";

    auto rows = rectangleRoom(prompts, StripsAlongRows);
    const QByteArray record = rowStripRecord();
    ASSERT_TRUE(rows->readKouban(&record));
    EXPECT_EQ(rows->cell(1, 28), 802);
    EXPECT_EQ(rows->cell(1, 27), -1);

    const QByteArray none = columnStripRecord(5, 4);
    EXPECT_TRUE(columns->readKouban(&none)) << "a stored range without columns";
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST(RoomKoubanRecord, AnOutlineMovedBeforeSavingReloadsWithItsPanelsInPlace) {
    ScriptedPrompts prompts;
    auto room = rectangleRoom(prompts, SquarePanelRoom);
    room->computeActiveRange();     // columns 24..45
    room->wall.shiftPlan({300, 0}); // moved in wall mode: x 1150..1450, columns 34..55
    room->cell(40, 34) = 5001;
    room->cell(50, 34) = 5002;
    room->cellAttribute(50, 34) = 1;
    QByteArray wall;
    QByteArray panels;
    ASSERT_TRUE(room->writeWall(&wall));
    ASSERT_TRUE(room->writeKouban(&panels));

    auto loaded = rectangleRoom(prompts, SquarePanelRoom);
    ASSERT_TRUE(loaded->readWall(&wall, QStringLiteral("客厅"), SquarePanelRoom));
    ASSERT_TRUE(loaded->readKouban(&panels));
    EXPECT_EQ(loaded->firstColumn, 34);
    EXPECT_EQ(loaded->cell(40, 34), 5001);
    EXPECT_EQ(loaded->cell(50, 34), 5002);
    EXPECT_EQ(loaded->cellAttribute(50, 34), 1);
    EXPECT_EQ(loaded->cell(51, 34), -1);
}

TEST(RoomKoubanRecord, EarlyEndsAreInvalidWithoutAMessage) {
    ScriptedPrompts prompts;
    auto room = rectangleRoom(prompts, SquarePanelRoom);
    EXPECT_FALSE(room->readKouban(nullptr));
    const QByteArray record = squarePanelRecord(24, 45);
    // Cut inside the sizes, inside the cell block and before the end marker.
    for (const qsizetype size : {0, 6, 4000, 8016 + 6 * 19 * 5 + 5 + 2, 10106}) {
        const QByteArray cut = record.left(size);
        EXPECT_FALSE(room->readKouban(&cut)) << size;
    }
    EXPECT_TRUE(prompts.messages().isEmpty());

    // The cells read before the cut stay: column 30 is the seventh of the block.
    auto partly = rectangleRoom(prompts, SquarePanelRoom);
    partly->cell(30, 32) = 77;
    const QByteArray cut = record.left(8016 + 6 * 19 * 5 + 7 * 5 + 1);
    EXPECT_FALSE(partly->readKouban(&cut));
    EXPECT_EQ(partly->cell(30, 31), 5001);
    EXPECT_EQ(partly->cell(30, 32), 77) << "cut inside this cell";
    EXPECT_EQ(partly->firstColumn, 24);
}

TEST(RoomKoubanRecord, StripEntriesCutShortKeepTheEntriesReadInBothStripModes) {
    // Columns 24..46 of the column record, rows 25..43 of the row record: each cut right
    // after the entry of the strip's line and again inside the next entry, and once as a
    // range that reaches past the stream's end.
    struct Case {
        int mode;
        QByteArray bytes;
        int stripLine; // holds a strip, read before the cut
        int cutLine;   // the first entry not read
    };
    const QByteArray columns = columnStripRecord(24, 46);
    const QByteArray rows = rowStripRecord();
    QByteArray reachingPast = columnStripRecord(24, 46);
    qToLittleEndian(qint32(70), reachingPast.data() + 4);
    const Case cases[] = {
        {StripsAlongColumns, columns.left(8 + 4004 + 8 * 4), 31, 32},
        {StripsAlongColumns, columns.left(8 + 4004 + 8 * 4 + 3), 31, 32},
        {StripsAlongRows, rows.left(8 + 4004 + 4 * 4), 28, 29},
        {StripsAlongRows, rows.left(8 + 4004 + 4 * 4 + 1), 28, 29},
        {StripsAlongColumns, reachingPast, 31, 48}, // the end marker is read as entry 47
    };
    for (const Case& test : cases) {
        ScriptedPrompts prompts;
        auto room = rectangleRoom(prompts, test.mode);
        const bool alongColumns = test.mode == StripsAlongColumns;
        const auto strip = [&](int line) -> qint32& {
            return alongColumns ? room->cell(line, 1) : room->cell(1, line);
        };
        strip(test.cutLine) = 77;
        EXPECT_FALSE(room->readKouban(&test.bytes)) << test.mode << " " << test.bytes.size();
        EXPECT_EQ(strip(test.stripLine), alongColumns ? 801 : 802);
        EXPECT_EQ(strip(test.stripLine - 1), alongColumns ? 801 : -1);
        EXPECT_EQ(strip(test.cutLine), 77) << "not read";
        EXPECT_TRUE(prompts.messages().isEmpty()) << test.mode << " " << test.bytes.size();
    }
}

TEST(RoomKoubanRecord, SizesAndStripRangesOutsideTheGridAreErrors) {
    const auto withInt32At = [](QByteArray bytes, qsizetype at, qint32 value) {
        qToLittleEndian(value, bytes.data() + at);
        return bytes;
    };
    const QByteArray square = squarePanelRecord(24, 45);
    const QByteArray strips = columnStripRecord(24, 46);
    struct Case {
        int mode;
        QByteArray bytes;
    };
    const Case corrupt[] = {
        {SquarePanelRoom, withInt32At(square, 8 + 4 * 5, 0)},           // width 0
        {SquarePanelRoom, withInt32At(square, 8 + 4004 + 4 * 9, -300)}, // height < 0
        {SquarePanelRoom, withInt32At(square, 8 + 4 * 1000, 20001)},    // wider than the plan
        {StripsAlongColumns, withInt32At(strips, 0, 0)},                // column 0
        {StripsAlongColumns, withInt32At(strips, 4, 1001)},             // column 1001
        {StripsAlongColumns, withInt32At(strips, 0, std::numeric_limits<qint32>::min())},
        {StripsAlongRows, withInt32At(strips, 4, 1001)}, // row 1001
        {7, square},                                     // a room mode without a layout
    };
    for (const Case& test : corrupt) {
        ScriptedPrompts prompts;
        auto room = rectangleRoom(prompts, test.mode);
        EXPECT_FALSE(room->readKouban(&test.bytes));
        EXPECT_EQ(prompts.messages(), QStringList{PanelError}) << test.mode;
    }

    // What was read before the faulty size stays; the faulty one never enters the grid.
    ScriptedPrompts prompts;
    auto room = rectangleRoom(prompts, SquarePanelRoom, 600);
    const QByteArray zeroWidth = withInt32At(square, 8 + 4 * 5, 0);
    EXPECT_FALSE(room->readKouban(&zeroWidth));
    EXPECT_EQ(room->columnWidth(4), 300);
    EXPECT_EQ(room->columnWidth(5), 600);

    QByteArray unwritten("kept");
    room->roomstyle = 7;
    EXPECT_FALSE(room->writeKouban(&unwritten));
    EXPECT_EQ(unwritten, QByteArray("kept"));
}
