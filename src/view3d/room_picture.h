#pragma once

#include "scene/scene_camera.h"

#include <QImage>
#include <QSize>

class OffscreenRenderer;
class TRoom_OBJ;

// A room in 3D as a picture: its scene with the ceiling at `ceilingHeightCm`, seen from a
// camera preset. Null when the outline is open or drawing failed.
QImage roomPicture3D(OffscreenRenderer& renderer, TRoom_OBJ& room, double ceilingHeightCm,
                     CameraPreset preset, QSize size);
