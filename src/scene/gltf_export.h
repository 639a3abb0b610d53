#pragma once

#include "scene/ceiling_scene.h"

#include <QString>

// Writes the scene as a glTF 2.0 binary (.glb): metres, Y up; one mesh and one material
// per product, all its quads merged whatever their orientation, its picture embedded as
// PNG; the walls, the floor, the empty cells and the grid lines each a mesh of their own.
// The file is written under a temporary name and renamed when complete; false with a
// message when it cannot be written.
bool writeSceneGlb(const CeilingScene& scene, const QString& path, QString* error);
