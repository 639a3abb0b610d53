#include "quote/room_drawings.h"

#include "core/troom_obj.h"
#include "design/design_picture_name.h"
#include "design/room_dxf.h"
#include "platform/default_opener.h"
#include "platform/prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace room_drawings {

QString fileName(const QString& customerName, const QString& roomTitle) {
    return QFileInfo(designPictureFileName(customerName, roomTitle)).completeBaseName() +
           QStringLiteral(".dxf");
}

namespace {

// The file name, numbered when an earlier room of the export took it.
QString unusedName(const QString& name, QSet<QString>& taken) {
    QString candidate = name;
    const QFileInfo parts(name);
    for (int n = 2; taken.contains(candidate.toLower()); ++n) {
        candidate = parts.completeBaseName() + QStringLiteral(" (%1).").arg(n) + parts.suffix();
    }
    taken.insert(candidate.toLower());
    return candidate;
}

} // namespace

QStringList write(const QString& customerName, const std::vector<TRoom_OBJ*>& rooms,
                  const QString& folder, Prompts& prompts) {
    if (!QDir().mkpath(folder)) {
        prompts.message(QStringLiteral("无法创建文件夹：") + QDir::toNativeSeparators(folder));
        return {};
    }
    QStringList written;
    QSet<QString> taken;
    for (TRoom_OBJ* room : rooms) {
        if (room->wall.pointCount() < 3) {
            continue;
        }
        const QString path =
            QDir(folder).filePath(unusedName(fileName(customerName, room->getName()), taken));
        QString failure;
        if (!room_dxf::write(*room, path, &failure)) {
            prompts.message(failure);
            return {};
        }
        written << path;
    }
    if (written.isEmpty()) {
        prompts.message(QStringLiteral("房间没有墙体，无法导出DXF图纸"));
    }
    return written;
}

QStringList exportRooms(const QString& customerName, const std::vector<TRoom_OBJ*>& rooms,
                        const QString& startFolder, Prompts& prompts) {
    QDir().mkpath(startFolder);
    const QString folder = prompts.chooseFolder(QStringLiteral("导出DXF图纸"), startFolder);
    if (folder.isEmpty()) {
        return {};
    }
    const QStringList written = write(customerName, rooms, folder, prompts);
    if (!written.isEmpty()) {
        opener::openWithDefaultHandler(folder);
    }
    return written;
}

} // namespace room_drawings
