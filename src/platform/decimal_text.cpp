#include "platform/decimal_text.h"

#include <QLocale>
#include <QString>

QString decimalText(double value) {
    if (value == 0) {
        return QStringLiteral("0"); // also for -0.0
    }
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}
