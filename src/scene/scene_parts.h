#pragma once

#include "scene/scene_assembly.h"
#include "scene/scene_outline.h"

class TRoom_OBJ;

// The parts of a room's scene, each added through the assembly.
void addWallsAndFloor(SceneAssembly& assembly, const SceneOutline& outline, double heightCm);
void addCeiling(SceneAssembly& assembly, TRoom_OBJ& room, const SceneOutline& outline,
                double heightCm);
void addObjects(SceneAssembly& assembly, TRoom_OBJ& room, double heightCm);
