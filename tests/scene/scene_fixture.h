#pragma once

#include "core/troom_obj.h"
#include "design/placement_fixture.h"
#include "scene/ceiling_scene.h"

#include <QImage>
#include <QPointF>

#include <memory>
#include <vector>

// Products whose pictures tell their corners apart, on 500 mm cells.
namespace scene_sample {
constexpr int Panel = 1;       // 500 x 500
constexpr int Other = 2;       // 500 x 500, another picture
constexpr int Lamp = 10;       // 500 x 500 appliance
constexpr int Chandelier = 20; // 1000 x 1000 floating product
constexpr int Bare = 11;       // 500 x 500 appliance without a picture
constexpr int Strip = 30;      // 2000 long lying across, 500 wide
constexpr int CellMm = 500;
// Every pixel of a w x h picture has its own colour.
QImage cornerPicture(int w, int h, int shade);
void addProducts(TestLibrary& library);
} // namespace scene_sample

// A room of the sample products with 500 mm cells and the given outline (plan cm).
std::unique_ptr<TRoom_OBJ> sceneRoom(TestLibrary& library, const QList<QPoint>& corners,
                                     const QList<quint8>& kinds = {},
                                     int roomMode = SquarePanelRoom);
// The 4 x 3 m room from (1000, 1000) to (1400, 1300) cm: columns 21..28, rows 21..26.
QList<QPoint> tiledRoomCorners();

// Quads and triangles of the scene's meshes of a kind.
std::size_t vertexCount(const CeilingScene& scene, SceneMesh::Kind kind);
// Area in m² of the triangles of a kind's meshes, measured across X and Z.
double planArea(const CeilingScene& scene, SceneMesh::Kind kind);
const SceneMesh* meshOf(const CeilingScene& scene, SceneMesh::Kind kind, int productId,
                        int orientation);
// The first vertex at (x, z) metres of the quad (four vertices in a row) of the mesh whose
// middle lies at (midX, midZ); -1 when there is none.
int quadCorner(const float* positions, std::size_t vertices, QPointF middle, QPointF corner);
// The texel of the mesh's picture at that corner of that quad.
QRgb texelAtCorner(const CeilingScene& scene, const SceneMesh& mesh, QPointF middle,
                   QPointF corner);
