#pragma once

#include <QString>

class Prompts;
class TRoom_OBJ;

// "导出3D模型(glTF)": the room's scene with its ceiling at `ceilingHeightCm` written as a
// .glb file. Says through `prompts` why nothing was written: "房间墙面未封闭,无法生成3D效果"
// for a room whose walls do not close, or the file's problem.
bool writeRoomModel(TRoom_OBJ& room, double ceilingHeightCm, const QString& path, Prompts& prompts);

// The same after asking for the file, "customer-room.glb" proposed; false when cancelled
// or nothing was written.
bool exportRoomModel(TRoom_OBJ& room, double ceilingHeightCm, const QString& customerName,
                     Prompts& prompts);
