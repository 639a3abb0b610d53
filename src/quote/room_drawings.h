#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class Prompts;
class TRoom_OBJ;

// The DXF drawings of a project's rooms ("导出DXF图纸", "导出全部房间DXF").
namespace room_drawings {

// A room's drawing is named like its design picture: customer name, "-", room title,
// made safe, with ".dxf".
QString fileName(const QString& customerName, const QString& roomTitle);

// Writes one drawing per room with walls into `folder`, created when missing; a name
// already taken by an earlier room gets " (2)", " (3)" and so on. Rooms without walls are
// left out. The paths written; empty, after telling the user why, when nothing was
// written or a file failed.
QStringList write(const QString& customerName, const std::vector<TRoom_OBJ*>& rooms,
                  const QString& folder, Prompts& prompts);

// The menu commands: asks for the folder (starting at `startFolder`), writes the rooms and
// opens the folder with the platform's default handler. The paths written; empty when the
// user cancelled or nothing was written.
QStringList exportRooms(const QString& customerName, const std::vector<TRoom_OBJ*>& rooms,
                        const QString& startFolder, Prompts& prompts);

} // namespace room_drawings
