#pragma once

#include <QString>
#include <QtGlobal>

// A non-display item: a product added to the bill by hand, without being placed.
struct otherrec {
    qint32 id = 0;
    qint32 cailiao_id = 0; // top category
    QString title;
    QString danwei;    // unit of sale
    qint32 number = 0; // negative: a return of goods
    qint32 style = 0;  // kind code
    double price = 0;
    bool merged = false; // shown as a correction in the current statistics pass; not stored
};
