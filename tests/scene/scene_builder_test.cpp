#include "scene/scene_fixture.h"

#include "core/arc_geometry.h"
#include "library/product_library.h"
#include "scene/scene_builder.h"

#include <QRandomGenerator>
#include <QTransform>
#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace scene_sample;

namespace {

constexpr double Height = 260;

class SceneTest : public ::testing::Test {
protected:
    SceneTest() { addProducts(library); }

    CeilingScene build(TRoom_OBJ& room, double height = Height) {
        std::optional<CeilingScene> scene = buildCeilingScene(room, height);
        EXPECT_TRUE(scene.has_value());
        return scene ? *scene : CeilingScene{};
    }

    TestLibrary library;
};

// Every wall quad: its bottom edge a..b across X and Z, its bottom and top (metres).
struct WallQuad {
    QPointF a, b;
    float bottom, top;
};
std::vector<WallQuad> wallQuads(const CeilingScene& scene) {
    std::vector<WallQuad> quads;
    for (const SceneMesh& mesh : scene.meshes) {
        const std::vector<float>& p = mesh.positions;
        for (std::size_t q = 0; mesh.kind == SceneMesh::Kind::Walls && q + 11 < p.size(); q += 12) {
            quads.push_back({{p[q], p[q + 2]}, {p[q + 3], p[q + 5]}, p[q + 1], p[q + 7]});
        }
    }
    return quads;
}

// The y ranges that the wall quads cover over a plan point on a wall (metres).
std::vector<std::pair<float, float>> wallSpansAt(const CeilingScene& scene, QPointF at) {
    std::vector<std::pair<float, float>> spans;
    for (const WallQuad& quad : wallQuads(scene)) {
        const double along = QLineF(quad.a, at).length() + QLineF(at, quad.b).length();
        if (std::abs(along - QLineF(quad.a, quad.b).length()) < 1e-4) {
            spans.emplace_back(quad.bottom, quad.top);
        }
    }
    std::sort(spans.begin(), spans.end());
    return spans;
}

} // namespace

TEST_F(SceneTest, TiledRoomHasOneQuadPerPanelWithinTheOutlineAtTheCeiling) {
    auto room = sceneRoom(library, tiledRoomCorners());
    placeEverywhere(*room, Panel, 21, 21, 28, 26);
    room->currentProduct = {Panel, KindSquarePanel, 1};
    ASSERT_TRUE(room->placePanel({22, 23}, 1));
    const CeilingScene scene = build(*room);

    // 48 panels: 47 standard ones merged into one mesh, the turned one in its own.
    EXPECT_EQ(vertexCount(scene, SceneMesh::Kind::SquarePanels), 48u * 4);
    const SceneMesh* standard = meshOf(scene, SceneMesh::Kind::SquarePanels, Panel, 0);
    const SceneMesh* turned = meshOf(scene, SceneMesh::Kind::SquarePanels, Panel, 1);
    ASSERT_TRUE(standard && turned);
    EXPECT_EQ(standard->indices.size(), 47u * 6);
    EXPECT_EQ(turned->positions.size(), 4u * 3);
    EXPECT_EQ(vertexCount(scene, SceneMesh::Kind::Ceiling), 0u); // no empty cell
    EXPECT_NEAR(planArea(scene, SceneMesh::Kind::SquarePanels), 12.0, 1e-4);

    EXPECT_NEAR(scene.boundsMin.x(), 10.0, 1e-5);
    EXPECT_NEAR(scene.boundsMin.z(), 10.0, 1e-5);
    EXPECT_NEAR(scene.boundsMax.x(), 14.0, 1e-5);
    EXPECT_NEAR(scene.boundsMax.z(), 13.0, 1e-5);
    EXPECT_NEAR(scene.boundsMin.y(), 0.0, 1e-6);
    EXPECT_NEAR(scene.boundsMax.y(), 2.6, 1e-5);
    for (std::size_t i = 1; i < turned->positions.size(); i += 3) {
        EXPECT_NEAR(turned->positions[i], 2.6, 1e-5);
    }

    // Column 22 starts at 10.5 m, row 23 at 11.0 m. At the panel's top-left corner the
    // standard panel shows its picture's top-left pixel, the turned one the bottom-left
    // pixel of the picture (turned a quarter clockwise).
    const QImage source = cornerPicture(8, 8, 10);
    const QPointF middle(10.75, 11.25);
    EXPECT_EQ(texelAtCorner(scene, *turned, middle, {10.5, 11.0}), source.pixel(0, 7));
    EXPECT_EQ(texelAtCorner(scene, *turned, middle, {11.0, 11.0}), source.pixel(0, 0));
    EXPECT_EQ(texelAtCorner(scene, *turned, middle, {11.0, 11.5}), source.pixel(7, 0));
    EXPECT_EQ(texelAtCorner(scene, *standard, {10.25, 10.25}, {10.0, 10.0}), source.pixel(0, 0));
    EXPECT_EQ(texelAtCorner(scene, *standard, {10.25, 10.25}, {10.5, 10.5}), source.pixel(7, 7));
}

TEST_F(SceneTest, CeilingAndFloorCoverTheRoomWhateverItsShape) {
    // An L, a room with an arc wall and a slanted quadrilateral whose walls cut cells.
    const QList<QPoint> arc{{1000, 1000}, {1400, 1000}, {1400, 1300}, {1200, 1400}, {1000, 1300}};
    const QList<quint8> arcKinds{0, 0, 0, ArcApexOut, 0};
    struct Case {
        const char* name;
        QList<QPoint> corners;
        QList<quint8> kinds;
        double area; // m²
    };
    const double arcArea = 12.0 + 4.0 * 1.0 / 2 + arcTerm({1400, 1300}, {1200, 1400}, {1000, 1300});
    const Case cases[] = {
        {"L", lShapeCorners(), {}, 27.0},
        {"arc", arc, arcKinds, arcArea},
        {"slanted", {{1013, 1007}, {1388, 1044}, {1351, 1333}, {1002, 1281}}, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto room = sceneRoom(library, c.corners, c.kinds);
        placeEverywhere(*room, Other, room->firstColumn, room->firstRow, room->lastColumn,
                        room->lastRow);
        for (int c = room->firstColumn; c <= room->lastColumn; c += 3) {
            room->removePanel({c, (room->firstRow + room->lastRow) / 2});
        }
        const CeilingScene scene = build(*room);
        const double floor = planArea(scene, SceneMesh::Kind::Floor);
        const double expected =
            c.area > 0 ? c.area : double(*room->wall.outlineArea(-1, /*absolute=*/true));
        EXPECT_NEAR(floor, expected, 0.03);
        // Panels and empty cells share the ceiling without gaps or overlaps.
        const double ceiling = planArea(scene, SceneMesh::Kind::SquarePanels) +
                               planArea(scene, SceneMesh::Kind::Ceiling);
        EXPECT_NEAR(ceiling, floor, 1e-3);
        EXPECT_GT(planArea(scene, SceneMesh::Kind::SquarePanels), 0.5);
    }
}

TEST_F(SceneTest, ArcWallStaysWithinACentimetreOfTheTrueArc) {
    const QList<QPoint> corners{
        {1000, 1000}, {1400, 1000}, {1400, 1300}, {1200, 1390}, {1000, 1300}};
    auto room = sceneRoom(library, corners, {0, 0, 0, ArcApexOut, 0});
    const CeilingScene scene = build(*room);
    const Circle circle = *circleThrough(corners[2], corners[3], corners[4]);
    const QPointF centre = circle.centre / 100;
    const double radius = circle.radius / 100;
    int onArc = 0;
    for (const auto& [a, b, bottom, top] : wallQuads(scene)) {
        if (a.y() <= 13.0 + 1e-6 && b.y() <= 13.0 + 1e-6) {
            continue; // a straight wall
        }
        ++onArc;
        EXPECT_NEAR(QLineF(centre, a).length(), radius, 1e-4);
        EXPECT_NEAR(QLineF(centre, b).length(), radius, 1e-4);
        // The chord's middle lies farthest from the arc.
        EXPECT_LE(radius - QLineF(centre, (a + b) / 2).length(), 0.01);
    }
    EXPECT_GT(onArc, 8);
    EXPECT_LT(onArc, 200);
}

TEST_F(SceneTest, DoorsAndWindowsAreCutIntoTheirWalls) {
    const QList<QPoint> corners{{1000, 1000}, {1100, 1000}, {1190, 1000}, {1400, 1000},
                                {1400, 1100}, {1400, 1250}, {1400, 1300}, {1000, 1300}};
    const QList<quint8> kinds{0, DoorEnd, DoorEnd, 0, WindowEnd, WindowEnd, 0, 0};
    auto room = sceneRoom(library, corners, kinds);
    const CeilingScene scene = build(*room, 280);
    using Spans = std::vector<std::pair<float, float>>;
    const auto near = [](const Spans& got, const Spans& want) {
        if (got.size() != want.size()) {
            return false;
        }
        for (std::size_t i = 0; i < got.size(); ++i) {
            if (std::abs(got[i].first - want[i].first) > 1e-5 ||
                std::abs(got[i].second - want[i].second) > 1e-5) {
                return false;
            }
        }
        return true;
    };
    EXPECT_TRUE(near(wallSpansAt(scene, {11.45, 10}), Spans{{2.1f, 2.8f}}));
    EXPECT_TRUE(near(wallSpansAt(scene, {14, 11.75}), Spans{{0, 0.9f}, {2.1f, 2.8f}}));
    EXPECT_TRUE(near(wallSpansAt(scene, {12.5, 10}), Spans{{0, 2.8f}}));
    EXPECT_TRUE(near(wallSpansAt(scene, {12, 13}), Spans{{0, 2.8f}}));
}

TEST_F(SceneTest, OutlinesThatDoNotCloseGiveNoScene) {
    const QList<QList<QPoint>> open{
        {},
        {{1000, 1000}, {1400, 1000}},
        {{1000, 1000}, {1400, 1000}, {1800, 1000}},               // no area
        {{1000, 1000}, {1400, 1400}, {1400, 1000}, {1000, 1400}}, // walls crossing
    };
    for (const QList<QPoint>& corners : open) {
        auto room = sceneRoom(library, corners);
        EXPECT_FALSE(outlineClosed(*room));
        EXPECT_FALSE(buildCeilingScene(*room, Height).has_value());
    }
    auto drawing = sceneRoom(library, tiledRoomCorners());
    drawing->setTool(ToolDrawWalls);
    EXPECT_FALSE(buildCeilingScene(*drawing, Height).has_value());
    EXPECT_EQ(openOutlineMessage(), QStringLiteral("房间墙面未封闭,无法生成3D效果"));
}

TEST_F(SceneTest, AppliancesAndFloatingProductsHangBelowTheCeiling) {
    auto room = sceneRoom(library, tiledRoomCorners());
    addObject(*room, Lamp, KindAppliance, 1100, 1050);
    addObject(*room, Bare, KindAppliance, 1200, 1050);
    addObject(*room, Chandelier, KindFloating, 1200, 1150);
    const CeilingScene scene = build(*room);
    const SceneMesh* lamp = meshOf(scene, SceneMesh::Kind::Appliances, Lamp, 0);
    const SceneMesh* bare = meshOf(scene, SceneMesh::Kind::Appliances, Bare, 0);
    const SceneMesh* chandelier = meshOf(scene, SceneMesh::Kind::Floating, Chandelier, 0);
    ASSERT_TRUE(lamp && bare && chandelier);
    EXPECT_FLOAT_EQ(lamp->positions[1], 2.595f);
    EXPECT_FLOAT_EQ(chandelier->positions[1], 2.57f);
    EXPECT_FALSE(scene.materials[std::size_t(lamp->material)].picture.isNull());
    EXPECT_TRUE(scene.materials[std::size_t(bare->material)].picture.isNull());
    EXPECT_TRUE(scene.materials[std::size_t(bare->material)].colour.isValid());
    EXPECT_NEAR(planArea(scene, SceneMesh::Kind::Floating), 1.0, 1e-5);
    EXPECT_EQ(texelAtCorner(scene, *lamp, {11.25, 10.75}, {11.5, 11.0}),
              cornerPicture(4, 4, 90).pixel(3, 3));
}

TEST_F(SceneTest, StripsLieOneQuadPerRunTexturedAlongTheirLength) {
    auto room = sceneRoom(library, tiledRoomCorners(), {}, StripsAlongColumns);
    for (int c = 21; c <= 27; ++c) {
        room->cell(c, 1) = Strip;
    }
    const CeilingScene scene = build(*room);
    const SceneMesh* strips = meshOf(scene, SceneMesh::Kind::Strips, Strip, 1);
    ASSERT_TRUE(strips);
    EXPECT_EQ(strips->indices.size(), 7u * 6);
    EXPECT_NEAR(planArea(scene, SceneMesh::Kind::Strips), 3.5 * 3, 1e-4);
    EXPECT_NEAR(planArea(scene, SceneMesh::Kind::Ceiling), 0.5 * 3, 1e-4);
    // Along its 3 m run the 2 m strip picture repeats one and a half times.
    for (std::size_t quad = 0; quad < 7; ++quad) {
        float low = 1e9f, high = -1e9f;
        for (std::size_t v = 0; v < 4; ++v) {
            low = std::min(low, strips->uvs[2 * (4 * quad + v) + 1]);
            high = std::max(high, strips->uvs[2 * (4 * quad + v) + 1]);
        }
        EXPECT_NEAR(high - low, 1.5, 1e-5);
    }
}

TEST_F(SceneTest, UpdatingTheCeilingGivesWhatAFreshBuildGives) {
    auto room = sceneRoom(library, lShapeCorners());
    placeEverywhere(*room, Panel, room->firstColumn, room->firstRow, room->lastColumn,
                    room->lastRow);
    CeilingScene scene = build(*room);
    addObject(*room, Lamp, KindAppliance, 700, 700);
    QRandomGenerator random(35);
    for (int step = 0; step < 20; ++step) {
        const GridCell cell{room->firstColumn +
                                random.bounded(room->lastColumn - room->firstColumn),
                            room->firstRow + random.bounded(room->lastRow - room->firstRow)};
        const int product = random.bounded(3);
        if (product == 2) {
            room->removePanel(cell);
        } else {
            room->currentProduct = {product == 0 ? Panel : Other, KindSquarePanel,
                                    quint8(step % 4)};
            room->placePanel(cell, step % 4);
        }
        ASSERT_TRUE(updateSceneCeiling(scene, *room));
        ASSERT_TRUE(updateSceneObjects(scene, *room));
        const CeilingScene fresh = build(*room);
        // Same geometry per kind, product and orientation.
        std::map<std::tuple<int, int, int>, std::vector<float>> got, want;
        for (const auto& [from, into] :
             {std::pair<const CeilingScene*, decltype(&got)>{&scene, &got}, {&fresh, &want}}) {
            for (const SceneMesh& mesh : from->meshes) {
                const SceneMaterial& m = from->materials[std::size_t(mesh.material)];
                std::vector<float>& all = (*into)[{int(mesh.kind), m.productId, m.orientation}];
                all.insert(all.end(), mesh.positions.begin(), mesh.positions.end());
                all.insert(all.end(), mesh.uvs.begin(), mesh.uvs.end());
            }
        }
        for (const auto& [key, values] : want) {
            ASSERT_EQ(got[key], values) << "after step " << step << " kind " << std::get<0>(key)
                                        << " product " << std::get<1>(key);
        }
        ASSERT_EQ(got.size(), want.size());
    }
}
