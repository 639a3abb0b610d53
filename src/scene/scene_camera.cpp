#include "scene/scene_camera.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

constexpr float EyeHeight = 1.6f;

// Distance at which a span fills the field of view.
float distanceToSee(float span, float fieldOfView) {
    return span / 2 / std::tan(qDegreesToRadians(fieldOfView / 2));
}

} // namespace

QString cameraPresetCaption(CameraPreset preset) {
    switch (preset) {
    case CameraPreset::StandingInside:
        return QStringLiteral("室内仰视");
    case CameraPreset::FromOutside:
        return QStringLiteral("斜上俯视");
    case CameraPreset::StraightBelow:
        return QStringLiteral("正下方");
    }
    return {};
}

SceneCamera presetCamera(const CeilingScene& scene, CameraPreset preset) {
    const float height = scene.ceilingHeight;
    const QVector3D centre = scene.floorCentre;
    const float width = scene.boundsMax.x() - scene.boundsMin.x();
    const float depth = scene.boundsMax.z() - scene.boundsMin.z();
    SceneCamera camera;
    switch (preset) {
    case CameraPreset::StandingInside: {
        camera.verticalFieldOfView = 75;
        camera.eye = QVector3D(centre.x(), std::min(EyeHeight, height * 0.9f), centre.z());
        // Up at about 55 degrees, towards the back (smaller z) of the room.
        const float rise = height - camera.eye.y();
        camera.target = QVector3D(centre.x(), height, centre.z() - rise * 0.7f);
        break;
    }
    case CameraPreset::FromOutside: {
        camera.verticalFieldOfView = 60;
        const float span = std::max(width, depth);
        const float back = distanceToSee(span, camera.verticalFieldOfView) * 0.9f;
        camera.eye = QVector3D(centre.x(), height * 0.35f, scene.boundsMax.z() + back * 0.6f);
        camera.target = QVector3D(centre.x(), height, centre.z());
        break;
    }
    case CameraPreset::StraightBelow: {
        camera.verticalFieldOfView = 60;
        const float span = std::max(width, depth) * 1.1f;
        camera.eye = QVector3D(centre.x(), height - distanceToSee(span, camera.verticalFieldOfView),
                               centre.z());
        camera.target = QVector3D(centre.x(), height, centre.z());
        // Looking straight up, the plan's top (smaller z) is at the top of the view.
        camera.up = QVector3D(0, 0, -1);
        break;
    }
    }
    return camera;
}
