#include "library/library_schema.h"
#include "platform/database.h"
#include "store/store_schema.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

const QString DataFolder = QStringLiteral("数据文件");

// The product library is delivered data: rebuilt into a temporary file, then moved
// over the old one.
bool buildLibrary(const QString& path, QString* error) {
    const QString temporary = path + QStringLiteral(".new");
    QFile::remove(temporary);
    {
        Database db;
        if (!db.create(temporary, error)) {
            return false;
        }
        Transaction t(db);
        createLibrarySchema(db);
        t.commit();
    }
    QFile::remove(path);
    return QFile::rename(temporary, path);
}

// The customer store holds the dealer's data: created only when missing.
bool buildStore(const QString& path, QString* error) {
    if (QFile::exists(path)) {
        return true;
    }
    Database db;
    if (!db.create(path, error)) {
        return false;
    }
    Transaction t(db);
    createStoreSchema(db);
    t.commit();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: yz_databuilder PROGRAM_FOLDER\n");
        return 2;
    }
    const QString folder = args[1];
    QDir().mkpath(folder + u'/' + DataFolder);
    QString error;
    try {
        if (!buildLibrary(folder + u'/' + DataFolder + QStringLiteral("/db.data"), &error) ||
            !buildStore(folder + u'/' + DataFolder + QStringLiteral("/Userdb.data"), &error)) {
            std::fprintf(stderr, "yz_databuilder: %s\n", qPrintable(error));
            return 1;
        }
    } catch (const DatabaseError& e) {
        std::fprintf(stderr, "yz_databuilder: %s\n", e.what());
        return 1;
    }
    return 0;
}
