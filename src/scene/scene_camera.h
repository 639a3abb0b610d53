#pragma once

#include "scene/ceiling_scene.h"

#include <QString>

enum class CameraPreset {
    StandingInside, // "室内仰视"
    FromOutside,    // "斜上俯视"
    StraightBelow,  // "正下方"
};

QString cameraPresetCaption(CameraPreset preset);

// "室内仰视": eyes at 160 cm over the room's centre of area, looking up at the ceiling.
// "斜上俯视": from below the ceiling and outside the room, beyond its front (largest z)
// wall, which faces away and so is not drawn. "正下方": straight up from below the middle
// so that the whole ceiling fills the view.
SceneCamera presetCamera(const CeilingScene& scene, CameraPreset preset);
