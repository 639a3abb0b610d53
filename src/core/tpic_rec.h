#pragma once

#include <QImage>
#include <QString>
#include <QtGlobal>

// A product of the room's product cache, looked up once per id and orientation.
struct tpic_rec {
    qint32 id = 0;
    QString title;
    QImage picture;    // turned to the orientation
    qint32 width = 0;  // mm across, after orientation
    qint32 height = 0; // mm down, after orientation
    quint8 orientation = 0;
    qint32 kind = 0;
    double price = 0;
    QString unit;
    qint32 topCategory = 0;
};
