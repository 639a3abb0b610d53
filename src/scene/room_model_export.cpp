#include "scene/room_model_export.h"

#include "core/troom_obj.h"
#include "design/design_picture_name.h"
#include "platform/prompts.h"
#include "scene/gltf_export.h"
#include "scene/scene_builder.h"

#include <QFileInfo>

bool writeRoomModel(TRoom_OBJ& room, double ceilingHeightCm, const QString& path,
                    Prompts& prompts) {
    const std::optional<CeilingScene> scene = buildCeilingScene(room, ceilingHeightCm);
    if (!scene) {
        prompts.message(openOutlineMessage());
        return false;
    }
    QString error;
    if (!writeSceneGlb(*scene, path, &error)) {
        prompts.message(QStringLiteral("无法写入文件：") + path + u'\n' + error);
        return false;
    }
    return true;
}

bool exportRoomModel(TRoom_OBJ& room, double ceilingHeightCm, const QString& customerName,
                     Prompts& prompts) {
    if (!outlineClosed(room)) {
        prompts.message(openOutlineMessage());
        return false;
    }
    QString proposed = designPictureFileName(customerName, room.getName());
    proposed = QFileInfo(proposed).completeBaseName() + QStringLiteral(".glb");
    QString path = prompts.chooseSaveFile(QStringLiteral("导出3D模型(glTF)"), proposed,
                                          QStringLiteral("glTF (*.glb)|*.glb"));
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".glb");
    }
    return writeRoomModel(room, ceilingHeightCm, path, prompts);
}
