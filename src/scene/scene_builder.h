#pragma once

#include "scene/ceiling_scene.h"

#include <QString>

#include <optional>

class TRoom_OBJ;

// Door openings reach from the floor to this height, windows from WindowSillCm to it.
constexpr double OpeningTopCm = 210;
constexpr double WindowSillCm = 90;
// How far below the ceiling appliances, floating products and grid lines hang.
constexpr double ApplianceDropCm = 0.5;
constexpr double FloatingDropCm = 3;
constexpr double GridLineDropCm = 0.2;
constexpr double GridLineWidthCm = 0.8;

// What the caller shows when a room has no closed wall outline.
QString openOutlineMessage();

// Whether the room's walls close around an area: at least three corners, an area, no
// walls crossing each other, and no outline still being drawn.
bool outlineClosed(const TRoom_OBJ& room);

// The room as a 3D scene with its ceiling at `ceilingHeightCm`; none when the outline is
// not closed. The room's product cache is filled from its library as products are met.
std::optional<CeilingScene> buildCeilingScene(TRoom_OBJ& room, double ceilingHeightCm);

// Brings the ceiling of a scene built from this room up to date after its panels or
// strips changed: only the ceiling's meshes are made again; walls, floor and objects stay.
// False (and the scene unchanged) when the outline is no longer closed.
bool updateSceneCeiling(CeilingScene& scene, TRoom_OBJ& room);

// The same for the appliances and floating products.
bool updateSceneObjects(CeilingScene& scene, TRoom_OBJ& room);
