#pragma once

#include <QString>
#include <QtGlobal>

// A bill line: the quantity of one product in a room or in the whole project.
struct Ppdu_id {
    QString title;
    qint32 id = 0;
    qint32 cailiao_id = 0; // top category
    qint32 style = 0;      // kind code
    double price = 0;
    double number = 0;  // quantity
    qint32 width = -1;  // mm, -1 when not known
    qint32 height = -1; // mm, -1 when not known
    QString danwei;     // unit of sale
};
