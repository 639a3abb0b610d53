#pragma once

#include <QString>

class Prompts;
class Tmainfm;

// "导出DXF图纸" writes the active room, "导出全部房间DXF" every room of the project, as
// DXF drawings into a folder chosen from `exportFolder` on, then opens that folder.
void wireDrawingExports(Tmainfm& main, const QString& exportFolder, Prompts& prompts);
