#include "core/byte_stream.h"
#include "core/troom_obj.h"

#include "support/scripted_prompts.h"

#include <QtEndian>
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <utility>

namespace {

const QString WallError = QStringLiteral("墙面点信息读取错误!");
const QString ObjectError = QStringLiteral("电器产品信息读取错误!");

// A room on a 300 mm grid whose messages go to `prompts`.
std::unique_ptr<TRoom_OBJ> makeRoom(ScriptedPrompts& prompts, int mode = SquarePanelRoom) {
    RoomContext context;
    context.prompts = &prompts;
    return std::make_unique<TRoom_OBJ>(context, 300, 300, mode, false);
}

std::unique_ptr<tdianqi_rec> object(qint32 id, qint32 orientation, QPoint at, qint32 kind) {
    auto placed = std::make_unique<tdianqi_rec>();
    placed->id = id;
    placed->orientation = orientation;
    placed->x = at.x();
    placed->y = at.y();
    placed->kind = kind;
    return placed;
}

// "厨房" in GBK, room mode 1, three corners (a plain one, one the corner search skips and a
// door end) and the origin (40, -12), field by field.
const QByteArray KitchenWall = QByteArray::fromHex("04000000"
                                                   "b3f8b7bf"
                                                   "01000000"
                                                   "03000000"
                                                   "52030000"
                                                   "84030000"
                                                   "00"
                                                   "7e040000"
                                                   "84030000"
                                                   "64"
                                                   "7e040000"
                                                   "4c040000"
                                                   "04"
                                                   "28000000"
                                                   "f4ffffff"
                                                   "ff00ffff");

const QList<QPoint> KitchenCorners{{850, 900}, {1150, 900}, {1150, 1100}};
const QList<quint8> KitchenKinds{PlainCorner, UnpickableCorner, DoorEnd};

// An appliance 7 turned 90 degrees at (855, 905) and a floating product 9 with more than
// the orientation in its orientation field at (1001, 1002).
const QByteArray TwoObjects = QByteArray::fromHex("02000000"
                                                  "07000000"
                                                  "01000000"
                                                  "57030000"
                                                  "89030000"
                                                  "02000000"
                                                  "09000000"
                                                  "03010000"
                                                  "e9030000"
                                                  "ea030000"
                                                  "03000000"
                                                  "ff00ffff");

} // namespace

TEST(RoomWallRecord, WritesTheFieldsInTheirOrder) {
    ScriptedPrompts prompts;
    auto room = makeRoom(prompts, StripsAlongColumns);
    room->setName(QStringLiteral("厨房"));
    room->wall.setOutline({{850, 900}, {1150, 900}, {1150, 1100}},
                          {PlainCorner, UnpickableCorner, DoorEnd});
    room->wall.setOrigin({40, -12});
    QByteArray stream("left from before");
    ASSERT_TRUE(room->writeWall(&stream));
    EXPECT_EQ(stream.toHex(), KitchenWall.toHex());
    EXPECT_FALSE(room->writeWall(nullptr));

    room->wall.clearOutline();
    room->setName(QStringLiteral("客厅"));
    ASSERT_TRUE(room->writeWall(&stream));
    EXPECT_EQ(stream.size(), 4 + 4 + 4 + 4 + 8 + 4) << "a room without corners";
}

TEST(RoomWallRecord, ReadsTheOutlineAndTakesNameAndModeFromTheRow) {
    ScriptedPrompts prompts;
    auto room = makeRoom(prompts);
    room->wall.setOutline({{1, 1}, {5, 5}}, {});
    ASSERT_TRUE(room->readWall(&KitchenWall, QStringLiteral("主卧"), StripsAlongRows));
    EXPECT_EQ(room->getName(), QStringLiteral("主卧"));
    EXPECT_EQ(room->roomstyle, StripsAlongRows);
    EXPECT_EQ(room->wall.corners(), (QList<QPoint>{{850, 900}, {1150, 900}, {1150, 1100}}));
    EXPECT_EQ(room->wall.kinds(), (QList<quint8>{PlainCorner, UnpickableCorner, DoorEnd}));
    EXPECT_EQ(room->wall.getOrigin(), QPoint(40, -12));
    EXPECT_TRUE(prompts.messages().isEmpty());

    // The corner of kind 100 loads, and the corner search passes it by.
    EXPECT_EQ(room->wall.findCorner(room->wall.canvasPoint(0)), 0);
    EXPECT_EQ(room->wall.findCorner(room->wall.canvasPoint(1)), -1);
}

TEST(RoomWallRecord, EndingEarlyIsInvalidWithoutAMessageAndKeepsTheCornersRead) {
    ScriptedPrompts prompts;
    auto room = makeRoom(prompts);
    // Cut inside the name, the mode, the count, the first, second and third corner, the
    // origin and the end marker: the corners whole before the cut stay.
    const std::pair<qsizetype, int> cuts[] = {{0, 0},  {3, 0},  {6, 0},  {10, 0}, {15, 0}, {20, 0},
                                              {27, 1}, {40, 2}, {43, 3}, {47, 3}, {51, 3}, {54, 3}};
    for (const auto& [size, corners] : cuts) {
        const QByteArray cut = KitchenWall.left(size);
        EXPECT_FALSE(room->readWall(&cut, QStringLiteral("厨房"), StripsAlongColumns)) << size;
        EXPECT_EQ(room->getName(), QStringLiteral("厨房"));
        EXPECT_EQ(room->wall.corners(), KitchenCorners.first(corners)) << size;
        EXPECT_EQ(room->wall.kinds(), KitchenKinds.first(corners)) << size;
    }

    // A count beyond the bytes left reads the corners there are: the origin and the
    // marker make a fourth, the fifth is cut.
    for (const qint32 count : {5, (1 << 28) - 1}) {
        QByteArray tooMany = KitchenWall;
        qToLittleEndian(count, tooMany.data() + 12);
        EXPECT_FALSE(room->readWall(&tooMany, QStringLiteral("厨房"), 0)) << count;
        ASSERT_EQ(room->wall.pointCount(), 4) << count;
        EXPECT_EQ(room->wall.corners().first(3), KitchenCorners);
        EXPECT_EQ(room->wall.corner(3), QPoint(40, -12));
    }
    QByteArray longName = KitchenWall;
    qToLittleEndian(qint32(KitchenWall.size()), longName.data());
    EXPECT_FALSE(room->readWall(&longName, QStringLiteral("厨房"), 0));
    EXPECT_EQ(room->wall.pointCount(), 0);

    QByteArray wrongMarker = KitchenWall;
    wrongMarker[wrongMarker.size() - 1] = 0;
    EXPECT_FALSE(room->readWall(&wrongMarker, QStringLiteral("厨房"), 1));
    EXPECT_FALSE(room->readWall(nullptr, QStringLiteral("书房"), StripsAlongRows));
    EXPECT_EQ(room->getName(), QStringLiteral("书房"));
    EXPECT_EQ(room->roomstyle, StripsAlongRows) << "the next record is read in the row's mode";
    EXPECT_EQ(room->wall.pointCount(), 0);
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST(RoomWallRecord, LengthsNoStreamHoldsAreErrors) {
    for (const qsizetype at : {0, 12}) { // the name length, the corner count
        for (const qint32 length : {-1, std::numeric_limits<qint32>::min(), 1 << 28,
                                    std::numeric_limits<qint32>::max()}) {
            QByteArray bytes = KitchenWall;
            qToLittleEndian(length, bytes.data() + at);
            ScriptedPrompts prompts;
            auto room = makeRoom(prompts);
            EXPECT_FALSE(room->readWall(&bytes, QStringLiteral("厨房"), 0));
            EXPECT_EQ(prompts.messages(), QStringList{WallError}) << at << " " << length;
            EXPECT_EQ(room->wall.pointCount(), 0);
        }
    }
}

TEST(RoomDianqiRecord, WritesEveryObjectInListOrder) {
    ScriptedPrompts prompts;
    auto room = makeRoom(prompts);
    QByteArray stream;
    ASSERT_TRUE(room->writeDianqi(&stream));
    EXPECT_EQ(stream.toHex(), QByteArray("00000000ff00ffff"));

    room->objects.push_back(object(7, 1, {855, 905}, 2));
    room->objects.push_back(object(9, 0x0103, {1001, 1002}, 3));
    room->objects.back()->selected = true;
    ASSERT_TRUE(room->writeDianqi(&stream));
    EXPECT_EQ(stream.toHex(), TwoObjects.toHex());
    EXPECT_FALSE(room->writeDianqi(nullptr));
}

TEST(RoomDianqiRecord, SquarePanelRoomsSnapAppliancesToTheirCell) {
    ScriptedPrompts prompts;
    auto room = makeRoom(prompts);
    ASSERT_TRUE(room->readDianqi(&TwoObjects));
    ASSERT_EQ(room->objects.size(), 2u);
    const tdianqi_rec& appliance = *room->objects[0];
    EXPECT_EQ(appliance.id, 7);
    EXPECT_EQ(appliance.orientation, 1);
    // (856, 906) lies in column 29 (8400..8700 mm) and row 31 (9000..9300 mm).
    EXPECT_EQ(QPoint(appliance.x, appliance.y), QPoint(840, 900));
    EXPECT_EQ(appliance.seatColumn, 29);
    EXPECT_EQ(appliance.seatRow, 31);
    const tdianqi_rec& floating = *room->objects[1];
    EXPECT_EQ(QPoint(floating.x, floating.y), QPoint(1001, 1002)) << "floating products lie free";
    EXPECT_EQ(floating.orientation, 0x0103);
    EXPECT_EQ(floating.kind, 3);
    EXPECT_FALSE(floating.selected);

    auto strips = makeRoom(prompts, StripsAlongColumns);
    ASSERT_TRUE(strips->readDianqi(&TwoObjects));
    EXPECT_EQ(QPoint(strips->objects[0]->x, strips->objects[0]->y), QPoint(855, 905));
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST(RoomDianqiRecord, AnApplianceOnItsCellCornerOrOffTheGridStaysWhereItIs) {
    ScriptedPrompts prompts;
    auto room = makeRoom(prompts);
    room->objects.push_back(object(7, 0, {840, 900}, 2));
    room->objects.push_back(object(7, 0, {-5, 2000}, 2));
    constexpr qint32 far = std::numeric_limits<qint32>::max();
    room->objects.push_back(object(7, 0, {far, far}, 2));
    QByteArray stream;
    ASSERT_TRUE(room->writeDianqi(&stream));
    auto loaded = makeRoom(prompts);
    ASSERT_TRUE(loaded->readDianqi(&stream));
    ASSERT_EQ(loaded->objects.size(), 3u);
    EXPECT_EQ(QPoint(loaded->objects[0]->x, loaded->objects[0]->y), QPoint(840, 900));
    EXPECT_EQ(QPoint(loaded->objects[1]->x, loaded->objects[1]->y), QPoint(-5, 2000));
    EXPECT_EQ(QPoint(loaded->objects[2]->x, loaded->objects[2]->y), QPoint(far, far));
}

TEST(RoomDianqiRecord, ReadingTwiceAppendsTheObjectsAgain) {
    ScriptedPrompts prompts;
    auto room = makeRoom(prompts, StripsAlongRows);
    ASSERT_TRUE(room->readDianqi(&TwoObjects));
    ASSERT_TRUE(room->readDianqi(&TwoObjects));
    ASSERT_EQ(room->objects.size(), 4u);
    EXPECT_EQ(room->objects[2]->id, 7);
    EXPECT_EQ(room->objects[3]->id, 9);
}

TEST(RoomDianqiRecord, EarlyEndsKeepTheObjectsReadAndNegativeCountsAreErrors) {
    ScriptedPrompts prompts;
    auto room = makeRoom(prompts, StripsAlongColumns);
    const QByteArray empty;
    EXPECT_FALSE(room->readDianqi(&empty));
    EXPECT_FALSE(room->readDianqi(nullptr));
    // Cut inside the count, the first object, the second object and the end marker.
    const std::pair<qsizetype, std::size_t> cuts[] = {{2, 0},  {10, 0}, {24, 1}, {30, 1},
                                                      {43, 1}, {44, 2}, {46, 2}};
    for (const auto& [size, objects] : cuts) {
        room->objects.clear();
        const QByteArray cut = TwoObjects.left(size);
        EXPECT_FALSE(room->readDianqi(&cut)) << size;
        ASSERT_EQ(room->objects.size(), objects) << size;
        if (objects > 0) {
            EXPECT_EQ(room->objects[0]->id, 7);
            EXPECT_EQ(room->objects[0]->y, 905);
        }
    }
    // A count beyond the bytes left: the end marker starts a third object, which is cut.
    for (const qint32 count : {3, (1 << 28) - 1}) {
        room->objects.clear();
        QByteArray bytes = TwoObjects;
        qToLittleEndian(count, bytes.data());
        EXPECT_FALSE(room->readDianqi(&bytes)) << count;
        ASSERT_EQ(room->objects.size(), 2u) << count;
        EXPECT_EQ(room->objects[1]->kind, 3);
    }
    EXPECT_TRUE(prompts.messages().isEmpty());

    room->objects.clear();
    for (const qint32 count : {-1, std::numeric_limits<qint32>::min()}) {
        QByteArray bytes = TwoObjects;
        qToLittleEndian(count, bytes.data());
        EXPECT_FALSE(room->readDianqi(&bytes)) << count;
    }
    EXPECT_EQ(prompts.messages(), QStringList(2, ObjectError));
    EXPECT_TRUE(room->objects.empty());
}

namespace {

// A room of each mode with an arc, a door, a corner of kind 100, grid sizes that differ
// from the default, panels or strips, an appliance on its cell and a floating product.
void furnish(TRoom_OBJ& room) {
    room.setName(QStringLiteral("客厅"));
    room.wall.setOutline(
        {{850, 900},
         {1000, 850},
         {1150, 900},
         {1150, 1000},
         {1150, 1050},
         {1150, 1100},
         {850, 1100}},
        {PlainCorner, ArcApexOut, PlainCorner, DoorEnd, DoorEnd, UnpickableCorner, PlainCorner});
    room.wall.setOrigin({33, 44});
    switch (room.roomstyle) {
    case SquarePanelRoom:
        room.cell(40, 0) = 600;
        room.cell(30, 31) = 5001;
        room.cellAttribute(30, 31) = 3;
        room.cell(31, 31) = -30031;
        room.cell(35, 35) = 5002;
        room.cellAttribute(35, 35) = 12;
        break;
    case StripsAlongColumns:
        room.cell(30, 0) = room.cell(31, 0) = 150;
        room.cell(30, 1) = room.cell(31, 1) = 801;
        room.cell(24, 1) = 802;
        break;
    default:
        room.cell(0, 28) = 150;
        room.cell(1, 28) = 803;
        break;
    }
    room.objects.push_back(object(7, 1, {840, 900}, 2));
    room.objects.push_back(object(9, 2, {1001, 1002}, 3));
}

struct RoomRecords {
    QByteArray wall;
    QByteArray panels;
    QByteArray objects;
};

RoomRecords written(TRoom_OBJ& room) {
    RoomRecords records;
    EXPECT_TRUE(room.writeWall(&records.wall));
    EXPECT_TRUE(room.writeKouban(&records.panels));
    EXPECT_TRUE(room.writeDianqi(&records.objects));
    return records;
}

} // namespace

TEST(RoomRecords, EveryModeReloadsAsItWasSaved) {
    for (const int mode : {SquarePanelRoom, StripsAlongColumns, StripsAlongRows}) {
        ScriptedPrompts prompts;
        auto room = makeRoom(prompts, mode);
        furnish(*room);
        const RoomRecords saved = written(*room);

        auto loaded = makeRoom(prompts, mode);
        ASSERT_TRUE(loaded->readWall(&saved.wall, QStringLiteral("客厅"), mode)) << mode;
        ASSERT_TRUE(loaded->readKouban(&saved.panels)) << mode;
        ASSERT_TRUE(loaded->readDianqi(&saved.objects)) << mode;
        EXPECT_TRUE(prompts.messages().isEmpty());

        EXPECT_EQ(loaded->wall.corners(), room->wall.corners());
        EXPECT_EQ(loaded->wall.kinds(), room->wall.kinds());
        EXPECT_EQ(loaded->wall.getOrigin(), room->wall.getOrigin());
        EXPECT_EQ(loaded->firstColumn, room->firstColumn);
        EXPECT_EQ(loaded->lastRow, room->lastRow);
        ASSERT_EQ(loaded->objects.size(), 2u);
        EXPECT_EQ(loaded->objects[1]->orientation, 2);
        const RoomRecords again = written(*loaded);
        EXPECT_EQ(again.wall, saved.wall) << mode;
        EXPECT_EQ(again.panels, saved.panels) << mode;
        EXPECT_EQ(again.objects, saved.objects) << mode;
    }
}

namespace {

// A record of strips along the columns 1..last on the default grid, without entries: the
// stream ends where the first entry would be.
QByteArray stripRangeTo(qint32 last) {
    QByteArray bytes;
    ByteWriter out(bytes);
    out.write(qint32(1));
    out.write(last);
    for (int i = 0; i < TRoom_OBJ::GridSide; ++i) {
        out.write(qint32(i == 0 ? 0 : 300));
    }
    return bytes;
}

} // namespace

TEST(RoomRecords, CountsNoStreamCanHoldShowTheReadersMessageAndEarlyEndsStaySilent) {
    struct Kind {
        const char* name;
        int mode;
        QString message;
        std::function<QByteArray(qint32)> withCount;
        std::function<bool(TRoom_OBJ&, const QByteArray&)> read;
    };
    const auto countAt = [](const QByteArray& record, qsizetype at) {
        return [record, at](qint32 count) {
            QByteArray bytes = record;
            qToLittleEndian(count, bytes.data() + at);
            return bytes;
        };
    };
    const Kind kinds[] = {
        {"corners", SquarePanelRoom, WallError, countAt(KitchenWall, 12),
         [](TRoom_OBJ& room, const QByteArray& bytes) {
             return room.readWall(&bytes, QStringLiteral("厨房"), SquarePanelRoom);
         }},
        {"strip entries", StripsAlongColumns, QStringLiteral("扣板信息读取错误!"), stripRangeTo,
         [](TRoom_OBJ& room, const QByteArray& bytes) { return room.readKouban(&bytes); }},
        {"objects", SquarePanelRoom, ObjectError, countAt(TwoObjects, 0),
         [](TRoom_OBJ& room, const QByteArray& bytes) { return room.readDianqi(&bytes); }},
    };
    struct Count {
        qint32 value;
        bool shown; // for the corners and objects; strips beyond the grid are shown as well
    };
    const Count counts[] = {{-1, true}, {1 << 28, true}, {(1 << 28) - 1, false}};
    for (const Kind& kind : kinds) {
        for (const Count& count : counts) {
            ScriptedPrompts prompts;
            auto room = makeRoom(prompts, kind.mode);
            EXPECT_FALSE(kind.read(*room, kind.withCount(count.value)));
            const bool shown = count.shown || kind.mode == StripsAlongColumns;
            EXPECT_EQ(prompts.messages(), shown ? QStringList{kind.message} : QStringList{})
                << kind.name << " " << count.value;
        }
    }
}
