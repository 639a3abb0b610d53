#include "ui/localisation.h"

#include <QCoreApplication>
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
