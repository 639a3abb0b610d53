#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

// Model code never includes Qt Widgets: only src/ui and app may.
TEST(Architecture, OnlyUiAndAppIncludeQtWidgets) {
    const QString root = QStringLiteral(YZ_SOURCE_DIR);
    const QRegularExpression widgetsInclude(
        QStringLiteral(
            R"(^\s*#\s*include\s*[<"](QtWidgets/|QWidget|QApplication|QDialog|)"
            R"(QMainWindow|QMessageBox|QFileDialog|QLabel|QPushButton|QMenu\b|QAction\b))"),
        QRegularExpression::MultilineOption);
    QStringList offenders;
    int scanned = 0;
    for (const QString& folder :
         {QStringLiteral("src"), QStringLiteral("cli"), QStringLiteral("tools"),
          QStringLiteral("bench"), QStringLiteral("fuzz")}) {
        QDirIterator it(root + u'/' + folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.contains(QLatin1String("/src/ui/"))) {
                continue;
            }
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
            ++scanned;
            if (widgetsInclude.match(QString::fromUtf8(file.readAll())).hasMatch()) {
                offenders << path.mid(root.size() + 1);
            }
        }
    }
    EXPECT_GT(scanned, 10);
    EXPECT_TRUE(offenders.isEmpty()) << qPrintable(offenders.join(u'\n'));
}

namespace {

struct Layer {
    const char* folder; // relative to the source root
    const char* mayUse; // space-separated source folders its includes may name
};

// Each folder includes only its own headers and those of the layers beneath it.
const Layer layers[] = {
    {"src/platform", "platform"},
    {"src/library", "platform library"},
    {"src/core", "platform library core"},
    {"src/design", "platform library core design"},
    {"src/store", "platform library core store"},
    {"src/quote", "platform library core design store quote"},
    {"src/scene", "platform library core design scene"},
    {"src/view3d", "platform library core design scene view3d"},
    {"src/ui", "platform library core design store quote scene view3d ui"},
    {"app", "platform library core design store quote scene view3d ui"},
    {"cli", "platform library core design store quote scene view3d"},
    {"tools", "platform library core design store quote catalogue"},
};

} // namespace

TEST(Architecture, SourceFoldersIncludeOnlyDownward) {
    const QString root = QStringLiteral(YZ_SOURCE_DIR);
    const QRegularExpression projectInclude(
        QStringLiteral(
            R"(^\s*#\s*include\s*"(platform|library|core|design|store|quote|scene|view3d|)"
            R"(ui|catalogue)/)"),
        QRegularExpression::MultilineOption);
    QStringList offenders;
    int includes = 0;
    for (const Layer& layer : layers) {
        const QStringList allowed = QString::fromLatin1(layer.mayUse).split(u' ');
        QDirIterator it(root + u'/' + QLatin1String(layer.folder),
                        {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
            auto matches = projectInclude.globalMatch(QString::fromUtf8(file.readAll()));
            while (matches.hasNext()) {
                const QString used = matches.next().captured(1);
                ++includes;
                if (!allowed.contains(used)) {
                    offenders << path.mid(root.size() + 1) + QStringLiteral(" includes ") + used;
                }
            }
        }
    }
    EXPECT_GT(includes, 500);
    EXPECT_TRUE(offenders.isEmpty()) << qPrintable(offenders.join(u'\n'));
}
