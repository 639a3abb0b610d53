#include "ui/localisation.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

#include <clocale>

namespace {

const char* const LocaleVariable = "LC_ALL";
const QString IconTheme = QStringLiteral("Adwaita");

// Qt's Chinese file is older than the file icon provider: the type names the file
// dialog shows ("Folder", "Drive") are translated under the file dialog's context.
class FileTypeNames : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0) {
            return {};
        }
        return QCoreApplication::translate("QFileDialog", sourceText, disambiguation, n);
    }
};

// Simplified Chinese families, preferred first.
const QStringList& chineseFamilies() {
    static const QStringList families{
        QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
        QStringLiteral("Source Han Sans SC"), QStringLiteral("WenQuanYi Zen Hei"),
        QStringLiteral("AR PL UMing CN")};
    return families;
}

} // namespace

ChineseSystemLocale::ChineseSystemLocale()
    : saved_(qgetenv(LocaleVariable)), wasSet_(qEnvironmentVariableIsSet(LocaleVariable)) {
    qputenv(LocaleVariable, "zh_CN.UTF-8");
}

void ChineseSystemLocale::release() {
    if (wasSet_) {
        qputenv(LocaleVariable, saved_);
    } else {
        qunsetenv(LocaleVariable);
    }
    std::setlocale(LC_ALL, "");
}

bool installChineseTranslations(QCoreApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    QCoreApplication::installTranslator(new FileTypeNames(&app));
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

void useIconTheme() {
    // Some platforms (offscreen among them) search no system folder for icon themes.
    QStringList paths = QIcon::themeSearchPaths();
    for (const QString& dir :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                   QStandardPaths::LocateDirectory)) {
        if (!paths.contains(dir)) {
            paths << dir;
        }
    }
    QIcon::setThemeSearchPaths(paths);
    QIcon::setFallbackThemeName(IconTheme);
    if (QIcon::themeName().isEmpty()) {
        QIcon::setThemeName(IconTheme);
    }
}
