#pragma once

#include <QtGlobal>

// Left, top, right and bottom of a placed object's rectangle.
struct ObjectBox {
    qint32 left = 0;
    qint32 top = 0;
    qint32 right = 0;
    qint32 bottom = 0;
};

// An appliance or floating product placed in a room; the object list's order is the
// drawing order. Only id, orientation, x, y and kind are stored; the rest is rebuilt.
struct tdianqi_rec {
    qint32 id = 0;
    qint32 orientation = 0; // orientation code in the low byte
    qint32 x = 0;           // plan cm of the top-left corner
    qint32 y = 0;
    bool selected = false;
    ObjectBox canvasRect; // pixels, written by every paint
    ObjectBox planRect;   // cm, written by every paint
    qint32 kind = 2;      // 2 appliance, 3 floating product
    qint32 seatColumn = 0;
    qint32 seatRow = 0;
    qint32 savedX = 0; // position before a drag
    qint32 savedY = 0;
};
