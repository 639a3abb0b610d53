#include "view3d/room_picture.h"

#include "scene/scene_builder.h"
#include "view3d/offscreen_renderer.h"

QImage roomPicture3D(OffscreenRenderer& renderer, TRoom_OBJ& room, double ceilingHeightCm,
                     CameraPreset preset, QSize size) {
    const std::optional<CeilingScene> scene = buildCeilingScene(room, ceilingHeightCm);
    if (!scene) {
        return {};
    }
    renderer.setScene(*scene);
    return renderer.render(presetCamera(*scene, preset), size);
}
