#include "scene/scene_builder.h"

#include "core/troom_obj.h"
#include "scene/scene_parts.h"

#include <algorithm>
#include <cmath>

namespace {

std::optional<SceneOutline> closedOutline(const TRoom_OBJ& room) {
    if (room.tool == ToolDrawWalls) {
        return std::nullopt;
    }
    return traceSceneOutline(room.wall);
}

// Drops the meshes of the given kinds, keeping the order of the others.
void dropMeshes(CeilingScene& scene, std::initializer_list<SceneMesh::Kind> kinds) {
    std::erase_if(scene.meshes, [kinds](const SceneMesh& mesh) {
        return std::find(kinds.begin(), kinds.end(), mesh.kind) != kinds.end();
    });
}

// The height the scene was built for, to a millimetre as it was given.
double heightCm(const CeilingScene& scene) {
    return std::round(double(scene.ceilingHeight) * 1000.0) / 10.0;
}

} // namespace

QString openOutlineMessage() {
    return QStringLiteral("房间墙面未封闭,无法生成3D效果");
}

bool outlineClosed(const TRoom_OBJ& room) {
    return closedOutline(room).has_value();
}

std::optional<CeilingScene> buildCeilingScene(TRoom_OBJ& room, double ceilingHeightCm) {
    const std::optional<SceneOutline> outline = closedOutline(room);
    if (!outline) {
        return std::nullopt;
    }
    CeilingScene scene;
    scene.ceilingHeight = toMetres(ceilingHeightCm);
    const QPointF centre = outline->centreOfArea();
    scene.floorCentre = QVector3D(toMetres(centre.x()), 0, toMetres(centre.y()));
    SceneAssembly assembly(scene);
    addWallsAndFloor(assembly, *outline, ceilingHeightCm);
    addCeiling(assembly, room, *outline, ceilingHeightCm);
    addObjects(assembly, room, ceilingHeightCm);
    assembly.finish();
    return scene;
}

bool updateSceneCeiling(CeilingScene& scene, TRoom_OBJ& room) {
    const std::optional<SceneOutline> outline = closedOutline(room);
    if (!outline) {
        return false;
    }
    dropMeshes(scene, {SceneMesh::Kind::Ceiling, SceneMesh::Kind::GridLines,
                       SceneMesh::Kind::SquarePanels, SceneMesh::Kind::Strips});
    SceneAssembly assembly(scene);
    addCeiling(assembly, room, *outline, heightCm(scene));
    assembly.finish();
    return true;
}

bool updateSceneObjects(CeilingScene& scene, TRoom_OBJ& room) {
    if (!outlineClosed(room)) {
        return false;
    }
    dropMeshes(scene, {SceneMesh::Kind::Appliances, SceneMesh::Kind::Floating});
    SceneAssembly assembly(scene);
    addObjects(assembly, room, heightCm(scene));
    assembly.finish();
    return true;
}
