#pragma once

class CursorTable;
class MainActions;
class QStyle;

// Gives the main window's commands their pictures: the standard commands (new, open, save,
// print, export, undo, redo, zoom) the desktop theme's icons, or the style's standard
// pictures where the theme has none, and the wall and design tools the pointer shapes they
// show on the canvas. The tool bars show the text beside the picture.
void giveToolBarIcons(MainActions& actions, const CursorTable& cursors, const QStyle& style);
