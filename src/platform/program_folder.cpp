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

QString resolve(const Candidates& c, QString* error) {
    if (!c.homeArgument.isEmpty()) {
        QDir().mkpath(c.homeArgument);
        return QDir(c.homeArgument).absolutePath();
    }
    if (QFileInfo(c.executableDir + u'/' + DataFolder).isDir() &&
        isWritableFolder(c.executableDir)) {
        return QDir(c.executableDir).absolutePath();
    }
    const QString user = QDir(c.userDataDir).absolutePath();
    if (!QFileInfo(user + u'/' + DataFolder).isDir()) {
        bool ok = QDir().mkpath(user);
        for (const QString& folder : deliveredFolders()) {
            const QString from = c.installedData + u'/' + folder;
            if (QFileInfo(from).isDir()) {
                ok = copyTree(from, user + u'/' + folder) && ok;
            }
        }
        if (!ok && error) {
            *error = QStringLiteral("could not seed the program folder ") + user;
        }
    }
    return user;
}

Candidates currentCandidates(const QStringList& arguments) {
    Candidates c;
    c.homeArgument = homeArgument(arguments);
    c.executableDir = QCoreApplication::applicationDirPath();
    c.userDataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    c.installedData = QDir(c.executableDir + QStringLiteral("/../share/yanzhou")).absolutePath();
    return c;
}

} // namespace program_folder
