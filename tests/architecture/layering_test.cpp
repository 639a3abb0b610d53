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
