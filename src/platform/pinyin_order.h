#pragma once

#include <QStringList>

class QCollator;

// Chinese names in pinyin order, as the Chinese collation of the locale (zh_CN) sorts them;
// numbers within names by value.
QCollator pinyinCollator();
void sortInPinyinOrder(QStringList& names);
