#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include <vector>

class QPainter;

// The pointer shapes of the folder CURSOR: 32 x 32 pictures with transparency, each
// stored as PNG data under its cursor file name with its hotspot in the PNG text key
// "hotspot" as "x,y".
struct CursorShape {
    const char* fileName;
    QPoint hotspot;
    void (*paint)(QPainter&);
};

const std::vector<CursorShape>& cursorShapes();

// The shape's picture with its hotspot text set.
QImage drawCursor(const CursorShape& shape);

// Writes every cursor file into `folder` (created when missing). Throws
// std::runtime_error when a file cannot be written.
void writeCursorFiles(const QString& folder);
