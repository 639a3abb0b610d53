#include "platform/chinese_fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

namespace {

// Simplified Chinese families, preferred first.
const QStringList& chineseFamilies() {
    static const QStringList families{
        QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
        QStringLiteral("Source Han Sans SC"), QStringLiteral("WenQuanYi Zen Hei"),
        QStringLiteral("AR PL UMing CN")};
    return families;
}

} // namespace

void useChineseFonts() {
    QStringList installed;
    const QStringList available = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    for (const QString& family : chineseFamilies()) {
        if (available.contains(family, Qt::CaseInsensitive)) {
            installed << family;
        }
    }
    if (installed.isEmpty()) {
        installed = chineseFamilies();
    }
    for (const char* name : {"宋体", "SimSun", "新宋体"}) {
        QFont::insertSubstitutions(QString::fromUtf8(name), installed);
    }
    QFont font = QGuiApplication::font();
    font.setFamilies(installed);
    QGuiApplication::setFont(font);
}
