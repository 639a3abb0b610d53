#include "platform/decimal_text.h"

#include <QLocale>
#include <QString>

#include <cmath>

QString decimalText(double value) {
    if (value == 0) {
        return QStringLiteral("0"); // also for -0.0
    }
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

QString roundedText(double value, int places) {
    const double scale = std::pow(10.0, places);
    // nearbyint rounds in the default mode, to nearest with halves to even.
    return decimalText(std::nearbyint(value * scale) / scale);
}
