#include "core/ppdu_id.h"
#include "core/tpic_rec.h"
#include "design/room_dxf.h"
#include "library/product_library.h"
#include "placement_fixture.h"
#include "support/dxf_readback.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <cmath>
#include <numbers>

namespace {

constexpr int RareFloating = 21;

// Where a plan point (cm) lies in the drawing: mm, y up, from the bottom-left corner of
// the outline's bounds.
QPointF drawn(const TRoom_OBJ& room, QPointF planMm) {
    Bounds box;
    room.wall.planBounds(box);
    return {planMm.x() - box.minX * 10.0, box.maxY * 10.0 - planMm.y()};
}

double panelsCounted(const TRoom_OBJ& room) {
    double sum = 0;
    for (const auto& line : room.billLines) {
        sum += line->style == KindSquarePanel ? line->number : 0;
    }
    return sum;
}

int objectsOfKind(const TRoom_OBJ& room, int kind) {
    return int(std::count_if(room.objects.begin(), room.objects.end(),
                             [kind](const auto& object) { return object->kind == kind; }));
}

// The room of these tests: a 3 x 3 m room whose top wall is an arc bulging out, with a
// door in the bottom wall and a window in the left one, laid with 300 mm panels, one
// long panel turned by 90 degrees, an appliance and two floating products.
class RoomDxfTest : public ::testing::Test {
protected:
    RoomDxfTest() {
        sample::addProducts(library);
        library.addProduct(RareFloating, 2, QStringLiteral("水晶灯한"), KindFloating, 300, 300);
        room = designRoom(library);
        room->setName(QStringLiteral("客厅"));
        room->wall.setOutline({{900, 900},
                               {1050, 860},
                               {1200, 900},
                               {1200, 1200},
                               {1100, 1200},
                               {1020, 1200},
                               {900, 1200},
                               {900, 1100},
                               {900, 1000}},
                              {PlainCorner, ArcApexOut, PlainCorner, PlainCorner, DoorEnd, DoorEnd,
                               PlainCorner, WindowEnd, WindowEnd});
        room->setTool(FirstDesignTool);
        placeEverywhere(*room, sample::Panel300, 31, 31, 40, 40);
        room->currentProduct = {sample::Panel300x600, KindSquarePanel, 1};
        room->placePanel({33, 35}, 1);
        tdianqi_rec& appliance = addObject(*room, sample::Appliance300, 2, 1050, 1050);
        EXPECT_TRUE(room->seatAppliance(appliance));
        addObject(*room, sample::Floating, 3, 1000, 1000);
        addObject(*room, RareFloating, 3, 950, 1120, 1);
        room->normaliseCoveredCells();
        room->recount();
    }

    QJsonObject written() {
        const QString path = folder.path() + QStringLiteral("/客厅.dxf");
        QString failure;
        EXPECT_TRUE(room_dxf::write(*room, path, &failure)) << failure.toStdString();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
                  QStringList{QFileInfo(path).fileName()});
        return readDxfBack(path);
    }

    TempFolder folder;
    TestLibrary library;
    std::unique_ptr<TRoom_OBJ> room;
};

TEST_F(RoomDxfTest, EzdxfReadsTheLayersUnitsAndCountsOfTheRoom) {
    const QJsonObject dxf = written();
    EXPECT_EQ(dxf["errors"].toArray().size(), 0)
        << QJsonDocument(dxf["errors"].toArray()).toJson().toStdString();
    EXPECT_EQ(dxf["version"].toString(), QStringLiteral("AC1015"));
    EXPECT_EQ(dxf["insunits"].toInt(), 4);
    EXPECT_EQ(dxf["codepage"].toString(), QStringLiteral("ANSI_936"));

    const QJsonObject counts = dxf["counts"].toObject();
    const int gridLines =
        (room->lastColumn - room->firstColumn + 2) + (room->lastRow - room->firstRow + 2);
    const std::pair<QString, int> expected[] = {
        {room_dxf::WallLayer, 1},
        {room_dxf::OpeningLayer, 2 * 2}, // a line and its width per opening
        {room_dxf::GridLayer, gridLines},
        {room_dxf::PanelLayer, int(panelsCounted(*room))},
        {room_dxf::StripLayer, 0},
        {room_dxf::ApplianceLayer, objectsOfKind(*room, 2)},
        {room_dxf::FloatingLayer, objectsOfKind(*room, 3)},
        {room_dxf::DimensionLayer, room->wall.pointCount() - 1}, // the arc is one wall
        {room_dxf::TextLayer, 2},
    };
    const QStringList layers = dxf["layerNames"].toVariant().toStringList();
    for (const auto& [layer, count] : expected) {
        EXPECT_TRUE(layers.contains(layer)) << layer.toStdString();
        EXPECT_EQ(counts[layer].toInt(), count) << layer.toStdString();
    }
    EXPECT_EQ(panelsCounted(*room),
              100 - 2); // one cell under the long panel, one under the appliance
    EXPECT_EQ(dxf["measurements"].toArray().size(), room->wall.pointCount() - 1);
}

TEST_F(RoomDxfTest, TheOutlineIsTheModelsCornersInMillimetresAndTheArcPassesItsApex) {
    const QJsonArray outline = written()["outline"].toArray();
    QList<QPoint> corners = room->wall.corners();
    const QPoint apex = corners.takeAt(1);
    ASSERT_EQ(outline.size(), corners.size());
    for (int i = 0; i < corners.size(); ++i) {
        const QPointF expected = drawn(*room, QPointF(corners[i]) * 10);
        const QJsonObject v = outline[i].toObject();
        EXPECT_DOUBLE_EQ(v["x"].toDouble(), expected.x()) << i;
        EXPECT_DOUBLE_EQ(v["y"].toDouble(), expected.y()) << i;
        EXPECT_EQ(v["bulge"].toDouble() != 0, i == 0) << i;
    }
    const QJsonObject arc = outline[0].toObject()["arc"].toObject();
    const QPointF a = drawn(*room, QPointF(apex) * 10);
    const double dx = a.x() - arc["cx"].toDouble();
    const double dy = a.y() - arc["cy"].toDouble();
    EXPECT_NEAR(std::hypot(dx, dy), arc["radius"].toDouble(), 0.5);
    // The arc runs counter-clockwise from its start angle to its end angle.
    const auto sweep = [](double from, double to) { return std::fmod(to - from + 720, 360.0); };
    const double apexAngle = std::atan2(dy, dx) * 180 / std::numbers::pi;
    EXPECT_LT(sweep(arc["start"].toDouble(), apexAngle),
              sweep(arc["start"].toDouble(), arc["end"].toDouble()));
}

TEST_F(RoomDxfTest, ProductsAreBlocksPlacedOnTheirCellsTurnedByOrientationWithTheirNames) {
    const QJsonObject dxf = written();
    const QRegularExpression blockName(QStringLiteral("^P(\\d+)_(\\d+)$"));
    int turned = 0;
    for (const QJsonValue value : dxf["inserts"].toArray()) {
        const QJsonObject insert = value.toObject();
        const QRegularExpressionMatch match = blockName.match(insert["block"].toString());
        ASSERT_TRUE(match.hasMatch()) << insert["block"].toString().toStdString();
        const int orientation = match.captured(2).toInt() / 90;
        EXPECT_DOUBLE_EQ(insert["rotation"].toDouble(), (360 - 90 * orientation) % 360);
        const tpic_rec* product = room->productLookup(match.captured(1).toInt(), orientation);
        ASSERT_NE(product, nullptr);
        const QJsonObject attribs = insert["attribs"].toObject();
        EXPECT_EQ(attribs[room_dxf::NameTag].toString(), product->title);
        EXPECT_EQ(attribs[room_dxf::SizeTag].toString(),
                  QStringLiteral("%1X%2").arg(product->width).arg(product->height));
        if (product->id == sample::Panel300x600) {
            ++turned;
            // Cell (33, 35) of 300 mm cells, 600 across and 300 down once turned.
            const QPointF centre = drawn(*room, {32 * 300 + 300.0, 34 * 300 + 150.0});
            EXPECT_DOUBLE_EQ(insert["x"].toDouble(), centre.x());
            EXPECT_DOUBLE_EQ(insert["y"].toDouble(), centre.y());
            EXPECT_EQ(insert["layer"].toString(), room_dxf::PanelLayer);
        }
    }
    EXPECT_EQ(turned, 1);
    EXPECT_EQ(dxf["blocks"].toObject()[QStringLiteral("P3_90")].toObject()[room_dxf::SizeTag],
              QStringLiteral("600X300"));

    // Chinese names come back as typed, also a character the code page does not hold.
    QStringList names;
    for (const QJsonValue value : dxf["inserts"].toArray()) {
        names << value.toObject()["attribs"].toObject()[room_dxf::NameTag].toString();
    }
    EXPECT_TRUE(names.contains(QStringLiteral("排气扇")));
    EXPECT_TRUE(names.contains(QStringLiteral("吊灯")));
    EXPECT_TRUE(names.contains(QStringLiteral("水晶灯한")));
    QStringList texts;
    for (const QJsonValue value : dxf["texts"].toArray()) {
        texts << value.toObject()["text"].toString();
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("客厅")));
    EXPECT_TRUE(texts.contains(QStringLiteral("面积：%1平方米").arg(room->roomArea(), 0, 'f', 1)));
    EXPECT_TRUE(texts.contains(QStringLiteral("门 800")));
    EXPECT_TRUE(texts.contains(QStringLiteral("窗 1000")));
}

TEST(RoomDxfStripsTest, OneRectanglePerStripRunAndNoFileForARoomWithoutWalls) {
    TestLibrary library;
    sample::addProducts(library);
    auto room = designRoom(library, StripsAlongColumns);
    setOutline(*room, lShapeCorners());
    room->computeActiveRange();
    for (int c = 21; c <= 40; ++c) {
        room->cell(c, 1) = sample::Strip;
    }
    room->rebuildMask();
    room->recount();
    int runs = 0;
    for (int c = room->firstColumn; c <= room->lastColumn; ++c) {
        runs += room->cell(c, 2) > 0 ? 1 : 0;
    }
    TempFolder folder;
    const QString path = folder.path() + QStringLiteral("/strips.dxf");
    ASSERT_TRUE(room_dxf::write(*room, path));
    const QJsonObject dxf = readDxfBack(path);
    EXPECT_EQ(dxf["errors"].toArray().size(), 0);
    EXPECT_EQ(dxf["counts"].toObject()[room_dxf::StripLayer].toInt(), runs);
    EXPECT_EQ(runs, 20);
    EXPECT_EQ(dxf["counts"].toObject()[room_dxf::PanelLayer].toInt(), 0);

    auto bare = designRoom(library);
    setOutline(*bare, {{100, 100}, {200, 100}});
    QString failure;
    EXPECT_FALSE(room_dxf::write(*bare, folder.path() + QStringLiteral("/bare.dxf"), &failure));
    EXPECT_FALSE(failure.isEmpty());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("strips.dxf")});
}

} // namespace
