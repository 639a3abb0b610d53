#include "staged_program.h"

#include "library/library_schema.h"
#include "platform/database.h"
#include "store/store_schema.h"

#include <QDir>

StagedProgram::StagedProgram(const QByteArray& setupIni) {
    QDir().mkpath(home_.file("数据文件"));
    {
        Database library;
        library.create(home_.file("数据文件/db.data"));
        createLibrarySchema(library);
    }
    {
        Database store;
        store.create(home_.file("数据文件/Userdb.data"));
        createStoreSchema(store);
    }
    if (!setupIni.isEmpty()) {
        home_.write("setup.ini", setupIni);
    }
}
