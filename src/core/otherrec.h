#pragma once

#include <QList>
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

// The correction of a bill line in a statistics pass: the summed quantities of the items
// of its product that no line has merged yet; they are merged now.
inline double mergeCorrection(QList<otherrec>& items, qint32 productId) {
    double correction = 0;
    for (otherrec& item : items) {
        if (!item.merged && item.id == productId) {
            correction += item.number;
            item.merged = true;
        }
    }
    return correction;
}
