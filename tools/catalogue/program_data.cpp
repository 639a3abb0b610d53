#include "catalogue/program_data.h"

#include "catalogue/cursor_pictures.h"
#include "catalogue/library_writer.h"
#include "catalogue/logo_picture.h"
#include "platform/database.h"
#include "store/store_schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace program_data {

namespace {

QString dataFolder(const QString& programFolder) {
    return programFolder + QStringLiteral("/数据文件");
}

} // namespace

QString libraryPath(const QString& programFolder) {
    return dataFolder(programFolder) + QStringLiteral("/db.data");
}

QString storePath(const QString& programFolder) {
    return dataFolder(programFolder) + QStringLiteral("/Userdb.data");
}

QString logoPath(const QString& programFolder) {
    return dataFolder(programFolder) + QStringLiteral("/sign.bmp");
}

QString cursorFolder(const QString& programFolder) {
    return programFolder + QStringLiteral("/CURSOR");
}

bool createStoreIfMissing(const QString& path) {
    if (QFile::exists(path)) {
        return false;
    }
    // Built beside it first, so an interrupted build never leaves a half-made store
    // that later runs would keep.
    const QString temporary = path + QStringLiteral(".new");
    QFile::remove(temporary);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        throw std::runtime_error("cannot create the folder of " + path.toStdString());
    }
    try {
        Database store;
        QString error;
        if (!store.create(temporary, &error)) {
            throw std::runtime_error(error.toStdString());
        }
        Transaction t(store);
        createStoreSchema(store);
        t.commit();
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }
    // QFile::rename never replaces an existing file.
    if (!QFile::rename(temporary, path)) {
        QFile::remove(temporary);
        throw std::runtime_error("cannot create " + path.toStdString());
    }
    return true;
}

void build(const QString& programFolder) {
    // The data folder and the working folders for designs, exports and backups.
    for (const QString& folder :
         {dataFolder(programFolder), programFolder + QStringLiteral("/设计文件"),
          programFolder + QStringLiteral("/导出文件"),
          programFolder + QStringLiteral("/备份文件")}) {
        if (!QDir().mkpath(folder)) {
            throw std::runtime_error("cannot create " + folder.toStdString());
        }
    }
    buildLibraryFile(libraryPath(programFolder));
    createStoreIfMissing(storePath(programFolder));
    writeCursorFiles(cursorFolder(programFolder));
    writeNeutralLogo(logoPath(programFolder));
}

} // namespace program_data
