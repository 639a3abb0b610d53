#include "platform/pinyin_order.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

QCollator pinyinCollator() {
    QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

void sortInPinyinOrder(QStringList& names) {
    const QCollator collator = pinyinCollator();
    std::stable_sort(names.begin(), names.end(), collator);
}
