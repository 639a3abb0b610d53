#include "scene/scene_builder.h"
#include "scene/scene_parts.h"

namespace {

const QColor WallColour(236, 232, 224);
const QColor FloorColour(168, 146, 118);

} // namespace

void addWallsAndFloor(SceneAssembly& assembly, const SceneOutline& outline, double heightCm) {
    // Single-sided: from outside the room a wall in front of the camera is not drawn.
    SceneMesh& walls = assembly.mesh(
        SceneMesh::Kind::Walls,
        assembly.colourMaterial(QStringLiteral("墙面"), WallColour, /*doubleSided=*/false));
    const double openingTop = std::min(OpeningTopCm, heightCm);
    for (int i = 0; i < outline.size(); ++i) {
        const QPointF a = outline.corners[std::size_t(i)];
        const QPointF b = outline.next(i);
        switch (outline.pieces[std::size_t(i)]) {
        case WallPiece::Solid:
            SceneAssembly::addUpright(walls, a, b, 0, heightCm);
            break;
        case WallPiece::Door:
            SceneAssembly::addUpright(walls, a, b, openingTop, heightCm);
            break;
        case WallPiece::Window:
            SceneAssembly::addUpright(walls, a, b, 0, std::min(WindowSillCm, heightCm));
            SceneAssembly::addUpright(walls, a, b, openingTop, heightCm);
            break;
        }
    }
    SceneMesh& floor = assembly.mesh(
        SceneMesh::Kind::Floor,
        assembly.colourMaterial(QStringLiteral("地面"), FloorColour, /*doubleSided=*/false));
    SceneAssembly::addFlat(floor, outline.corners, 0, /*facingDown=*/false,
                           UvFrame{outline.bounds().topLeft(), 100, 100});
}
