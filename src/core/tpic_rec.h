#pragma once

#include "platform/color.h"

#include <QImage>
#include <QString>
#include <QtGlobal>

// A product of the room's product cache, looked up once per id and orientation.
struct tpic_rec {
    qint32 id = 0;
    QString title;
    QImage picture;    // turned to the orientation; null when the stored picture is unreadable
    qint32 width = 0;  // mm across, after orientation
    qint32 height = 0; // mm down, after orientation
    quint8 orientation = 0;
    qint32 kind = 0;
    double price = 0;
    QString unit;
    qint32 topCategory = 0;
    // Floating products and the kinds after them are drawn leaving out the pixels of the
    // colour of their picture's pixel (1, 1); panels and appliances are opaque.
    bool transparent = false;
    TColor transparentColor = colors::White;
};
