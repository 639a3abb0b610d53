#include "quote/startup_session.h"

#include "platform/password_keeper.h"
#include "platform/picture.h"
#include "platform/prompts.h"
#include "quote/schema_upgrade.h"
#include "quote/store_choice.h"
#include "store/customer_store.h"
#include "store/store_schema.h"

#include <QDir>
#include <QSqlDatabase>

namespace {

// An empty file opens as an empty database; without its main table it is no store.
bool openWithTable(Database& db, const QString& path, const QString& table) {
    if (!db.open(path)) {
        return false;
    }
    if (!db.connection().tables().contains(table, Qt::CaseInsensitive)) {
        db.close();
        return false;
    }
    return true;
}

} // namespace

bool openServerStore(Database& db, ServerSettings server, QString* error) {
    if (!db.openServer(password_keeper::withKeptPassword(std::move(server)), error)) {
        return false;
    }
    try {
        if (!db.connection().tables().contains(QStringLiteral("userlist"), Qt::CaseInsensitive)) {
            createStoreSchema(db);
        }
    } catch (const DatabaseError& e) {
        if (error) {
            *error = QString::fromUtf8(e.what());
        }
        db.close();
        return false;
    }
    return true;
}

StartupSession::StartupSession(QString programFolder)
    : folder_(std::move(programFolder)), setup_(folder_ + QStringLiteral("/setup.ini")) {
    library_.setSubject(QStringLiteral("产品库"));
    store_.setSubject(QStringLiteral("客户库"));
}

bool StartupSession::initDB(Prompts& prompts, const std::function<void()>& fillPicker) {
    held_.readStartGroup(setup_);
    if (!openDatabases(prompts)) {
        return false;
    }
    try {
        InitOtherDB();
    } catch (const DatabaseError& e) {
        prompts.message(QString::fromStdString(e.what()));
        return false;
    }
    const QString jpeg = picture::checkJpegSupport();
    if (!jpeg.isEmpty()) {
        prompts.message(jpeg);
    }
    if (fillPicker) {
        fillPicker();
    }
    cursors_.load(folder_);
    createWorkingFolders();
    return true;
}

bool StartupSession::openDatabases(Prompts& prompts) {
    if (!openWithTable(library_, path(QStringLiteral("数据文件/db.data")), QStringLiteral("pic"))) {
        prompts.message(QString::fromUtf8(LibraryBrokenMessage));
        return false;
    }
    const StoreChoice choice = readStoreChoice(setup_);
    if (choice.server) {
        QString error;
        if (openServerStore(store_, choice.settings, &error)) {
            return true;
        }
        if (!prompts.confirm(error + QStringLiteral("\n是否使用本机客户库继续?"))) {
            prompts.message(error);
            return false;
        }
    }
    if (!openWithTable(store_, path(QStringLiteral("数据文件/Userdb.data")),
                       QStringLiteral("userlist"))) {
        // A store another program holds is not broken: the user is told so.
        const DatabaseError& failure = store_.openFailure();
        prompts.message(failure.cause() == DatabaseError::Cause::Other
                            ? QString::fromUtf8(StoreBrokenMessage)
                            : QString::fromUtf8(failure.what()));
        return false;
    }
    return true;
}

void StartupSession::InitOtherDB() {
    reloadNameLists();
    upgradeCustomerStore(store_);
    upgradeProductLibrary(library_);
}

void StartupSession::reloadNameLists() {
    CustomerStore store(store_);
    areaTitles_ = store.nameChoices(NameList::Areas);
    handlerNames_ = store.nameChoices(NameList::Handlers);
}

void StartupSession::createWorkingFolders() {
    QDir home(folder_);
    for (const char* name : {"设计文件", "导出文件", "数据文件", "备份文件"}) {
        const QString folder = QString::fromUtf8(name);
        if (!home.exists(folder)) {
            home.mkdir(folder);
        }
    }
}
