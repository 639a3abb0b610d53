#pragma once

#include "scene/ceiling_scene.h"

#include <QImage>
#include <QMatrix4x4>
#include <QPointF>
#include <QSize>

// Shared by the drawing tests: a small scene laid by hand and where a point of it lands
// on the screen, worked out independently of the renderer.
namespace view3dtest {

constexpr float ceilingHeight = 2.6f;

// A horizontal quad at the ceiling height over plan metres [x0, x1] × [z0, z1], its texture
// running with the plan (u along x, v along z from the picture's top).
inline SceneMesh ceilingQuad(SceneMesh::Kind kind, int material, float x0, float z0, float x1,
                             float z1, float y = ceilingHeight) {
    SceneMesh mesh;
    mesh.kind = kind;
    mesh.material = material;
    mesh.positions = {x0, y, z0, x1, y, z0, x1, y, z1, x0, y, z1};
    mesh.normals = {0, -1, 0, 0, -1, 0, 0, -1, 0, 0, -1, 0};
    mesh.uvs = {0, 0, 1, 0, 1, 1, 0, 1};
    mesh.indices = {0, 1, 2, 0, 2, 3};
    return mesh;
}

// A picture whose top half is one colour and bottom half another.
inline QImage twoTonePicture(QColor top, QColor bottom) {
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(bottom);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 64; ++x) {
            picture.setPixelColor(x, y, top);
        }
    }
    return picture;
}

// The pixel a scene point lands on for a camera and a picture size.
inline QPointF project(const SceneCamera& camera, QSize size, QVector3D point) {
    QMatrix4x4 m;
    m.perspective(camera.verticalFieldOfView, float(size.width()) / float(size.height()), 0.005f,
                  200.f);
    m.lookAt(camera.eye, camera.target, camera.up);
    const QVector3D ndc = m.map(point);
    return {(ndc.x() + 1) / 2 * size.width(), (1 - ndc.y()) / 2 * size.height()};
}

// Whether each channel lies within `tolerance` of the expected colour.
inline bool near(QColor seen, QColor expected, int tolerance = 10) {
    return std::abs(seen.red() - expected.red()) <= tolerance &&
           std::abs(seen.green() - expected.green()) <= tolerance &&
           std::abs(seen.blue() - expected.blue()) <= tolerance;
}

} // namespace view3dtest
