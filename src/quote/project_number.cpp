#include "quote/project_number.h"

QString projectNumber(const QString& prefix, int index, int digits) {
    return prefix.trimmed() + QString::number(index).rightJustified(digits, u'0');
}
