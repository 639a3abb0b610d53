#include "quote/store_settings.h"

#include "platform/database.h"
#include "platform/database_problem.h"
#include "platform/password_keeper.h"
#include "platform/prompts.h"
#include "quote/startup_session.h"
#include "quote/store_choice.h"
#include "store/store_copy.h"

namespace store_settings {

QString testConnection(ServerSettings server) {
    Database db;
    if (db.openServer(password_keeper::withKeptPassword(std::move(server)))) {
        return QStringLiteral("连接成功");
    }
    return QStringLiteral("连接失败:") + database_problem::connection(db.openFailure().detail());
}

bool save(SetupFile& setup, const StoreChoice& choice, Prompts& prompts) {
    StoreChoice kept = choice;
    kept.settings.password.clear();
    if (!writeStoreChoice(setup, kept)) {
        prompts.message(QStringLiteral("设置文件写入失败"));
        return false;
    }
    if (choice.settings.password.isEmpty()) {
        return true;
    }
    QString error;
    if (!password_keeper::store(choice.settings, choice.settings.password, nullptr, &error)) {
        prompts.message(QStringLiteral("密码保存失败:") + error);
        return false;
    }
    return true;
}

void upload(const QString& programFolder, ServerSettings server, Prompts& prompts) {
    if (!prompts.confirm(QStringLiteral("将本机客户库上传到服务器 ") + serverCaption(server) +
                         QStringLiteral("?"))) {
        return;
    }
    Database db;
    db.setSubject(QStringLiteral("客户库"));
    QString problem;
    if (!openServerStore(db, std::move(server), &problem)) {
        prompts.message(QStringLiteral("连接失败:") + problem);
        return;
    }
    try {
        if (!store_copy::upload(programFolder + QStringLiteral("/数据文件/Userdb.data"), db,
                                &problem)) {
            prompts.message(problem);
            return;
        }
    } catch (const DatabaseError& e) {
        prompts.message(QStringLiteral("上传失败,服务器客户库没有改变:") +
                        QString::fromUtf8(e.what()));
        return;
    }
    prompts.message(QStringLiteral("上传成功"));
}

} // namespace store_settings
