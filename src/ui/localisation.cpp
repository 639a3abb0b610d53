#include "ui/localisation.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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

bool installChineseTranslations(QCoreApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

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
    QFont font = QApplication::font();
    font.setFamilies(installed);
    QApplication::setFont(font);
}
