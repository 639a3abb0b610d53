#pragma once

#include <QtGlobal>

// The product that the fill tools lay and the pointer carries.
struct CurrentProduct {
    qint32 id = -1; // -1: none
    qint32 kind = 0;
    quint8 orientation = 0; // 0 standard, 1 90°, 2 180°, 3 270°
};
