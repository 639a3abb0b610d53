#pragma once

#include <QSize>
#include <QString>

class OffscreenRenderer;
class Prompts;
struct CeilingScene;
struct SceneCamera;

// The size of an exported 3D picture.
constexpr QSize PictureSize3D(1600, 1000);

// "导出3D效果图": the scene as the camera sees it, 1600 × 1000, written as a JPEG file the
// user chooses (proposed: customer name, "-", room title, "-3D"). False when the user
// cancels or the picture cannot be drawn or written; the user is told why.
bool export3DPicture(OffscreenRenderer& renderer, const CeilingScene& scene,
                     const SceneCamera& camera, Prompts& prompts, const QString& customerName,
                     const QString& roomTitle);
