#include "view3d/picture_export.h"

#include "design/design_picture_name.h"
#include "platform/picture.h"
#include "platform/prompts.h"
#include "view3d/offscreen_renderer.h"

#include <QFileInfo>

bool export3DPicture(OffscreenRenderer& renderer, const CeilingScene& scene,
                     const SceneCamera& camera, Prompts& prompts, const QString& customerName,
                     const QString& roomTitle) {
    const QString caption = QStringLiteral("导出3D效果图");
    QString path = prompts.chooseSaveFile(
        caption, designPictureFileName(customerName, roomTitle + QStringLiteral("-3D")),
        QStringLiteral("jpeg (*.jpg)|*.jpg"));
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".jpg");
    }
    renderer.setScene(scene);
    const QImage picture = renderer.render(camera, PictureSize3D);
    if (picture.isNull()) {
        prompts.message(QStringLiteral("无法生成3D效果图"));
        return false;
    }
    if (!picture::saveJpeg(picture, path)) {
        prompts.message(QStringLiteral("无法写入文件：") + path);
        return false;
    }
    return true;
}
