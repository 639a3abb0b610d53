#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString DataFolder = QStringLiteral("数据文件");

bool isWritableFolder(const QString& path) {
    QFileInfo info(path);
    return info.isDir() && info.isWritable();
}

QString libraryIn(const QString& folder) {
    return folder + u'/' + DataFolder + QStringLiteral("/db.data");
}

// Fills a folder that has no product library with the delivered data, keeping what it
// already holds (a customer store, settings). Returns the problem, or empty.
QString seed(const QString& folder, const QStringList& sources) {
    if (QFileInfo::exists(libraryIn(folder))) {
        return {};
    }
    QStringList lookedFor;
    for (const QString& source : sources) {
        const QString from = QDir(source).absolutePath();
        if (from == folder) {
            continue;
        }
        if (!QFileInfo::exists(libraryIn(from))) {
            lookedFor << libraryIn(from);
            continue;
        }
        bool ok = QDir().mkpath(folder);
        for (const QString& name : program_folder::deliveredFolders()) {
            if (ok && QFileInfo(from + u'/' + name).isDir()) {
                ok = program_folder::copyTree(from + u'/' + name, folder + u'/' + name);
            }
        }
        return ok ? QString()
                  : QStringLiteral("无法把程序数据从 %1 复制到程序文件夹 %2。").arg(from, folder);
    }
    return QStringLiteral("程序文件夹 %1 中没有产品库,也找不到可复制的程序数据。查找过:\n%2")
        .arg(folder, lookedFor.join(u'\n'));
}

} // namespace

namespace program_folder {

const QStringList& deliveredFolders() {
    static const QStringList folders{DataFolder, QStringLiteral("CURSOR"), QStringLiteral("skins")};
    return folders;
}

QString homeArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--home") && i + 1 < arguments.size()) {
            return arguments[i + 1];
        }
        if (a.startsWith(QLatin1String("--home="))) {
            return a.mid(7);
        }
    }
    return {};
}

bool copyTree(const QString& from, const QString& to) {
    QDir source(from);
    if (!source.exists() || !QDir().mkpath(to)) {
        return false;
    }
    bool ok = true;
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + u'/' + source.relativeFilePath(path);
        if (it.fileInfo().isDir()) {
            ok = QDir().mkpath(target) && ok;
        } else if (!QFileInfo::exists(target)) {
            ok = QFile::copy(path, target) && ok;
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
        }
    }
    return ok;
}

Resolution resolve(const Candidates& c) {
    if (c.homeArgument.isEmpty() && QFileInfo(c.executableDir + u'/' + DataFolder).isDir() &&
        isWritableFolder(c.executableDir)) {
        return {QDir(c.executableDir).absolutePath(), {}};
    }
    const QString folder =
        QDir(c.homeArgument.isEmpty() ? c.userDataDir : c.homeArgument).absolutePath();
    return {folder, seed(folder, c.deliveredData)};
}

Candidates currentCandidates(const QStringList& arguments, const QString& buildData) {
    Candidates c;
    c.homeArgument = homeArgument(arguments);
    c.executableDir = QCoreApplication::applicationDirPath();
    c.userDataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    c.deliveredData << QDir(c.executableDir + QStringLiteral("/../share/yanzhou")).absolutePath();
    if (!buildData.isEmpty()) {
        c.deliveredData << buildData;
    }
    c.deliveredData << c.executableDir;
    return c;
}

} // namespace program_folder
