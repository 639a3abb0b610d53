#pragma once

#include <QString>

class TRoom_OBJ;

// The DXF drawing of a room for CAD programs (AutoCAD 2000 format, millimetres, y up).
namespace room_dxf {

// The layers, in the order they are listed.
inline const QString WallLayer = QStringLiteral("墙体");
inline const QString OpeningLayer = QStringLiteral("门窗");
inline const QString GridLayer = QStringLiteral("龙骨");
inline const QString PanelLayer = QStringLiteral("方扣板");
inline const QString StripLayer = QStringLiteral("条扣板");
inline const QString ApplianceLayer = QStringLiteral("电器");
inline const QString FloatingLayer = QStringLiteral("悬浮");
inline const QString DimensionLayer = QStringLiteral("尺寸");
inline const QString TextLayer = QStringLiteral("文字");

// The attribute tags of the product blocks.
inline const QString NameTag = QStringLiteral("NAME");
inline const QString SizeTag = QStringLiteral("SIZE");

// Writes the room's drawing to `path`: first under a temporary name beside it, renamed
// only once complete, so that a failed write leaves no half file. False, with the reason
// in `failure`, for a room with fewer than three corners or a file that could not be
// written.
bool write(TRoom_OBJ& room, const QString& path, QString* failure = nullptr);

} // namespace room_dxf
