// The open project as a project exchange file: "导出客户项目为文件" and
// "从文件导入客户项目".

#include "platform/database.h"
#include "platform/prompts.h"
#include "quote/held_settings.h"
#include "quote/open_project.h"
#include "quote/startup_session.h"
#include "store/customer_exchange.h"
#include "store/customer_store.h"
#include "ui/main_actions.h"
#include "ui/tmainfm.h"

#include <QAction>
#include <QDir>

namespace {

const QString Filter = QStringLiteral("TESSRA工程文件 (*.zpk)");

} // namespace

QString Tmainfm::exchangeFolder() const {
    const QString folder = QDir(session_.programFolder()).filePath(QStringLiteral("导出文件"));
    QDir().mkpath(folder);
    return folder;
}

void Tmainfm::exportProjectFile() {
    if (project_->edited()) {
        if (!prompts_.confirm(QStringLiteral("导出客户项目,请先保存")) ||
            !project_->savebtClick()) {
            return;
        }
    }
    if (project_->customer.id < 0) {
        prompts_.message(QStringLiteral("未发现记录!"));
        return;
    }
    QString path = prompts_.chooseSaveFile(
        QStringLiteral("导出记录到文件"),
        QDir(exchangeFolder()).filePath(project_->customer.name.trimmed() + QStringLiteral(".zpk")),
        Filter);
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".zpk"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".zpk");
    }
    customer_exchange::exportCustomer(*store_, project_->customer.id, path, prompts_);
}

void Tmainfm::importProjectFile() {
    const QString path = prompts_.chooseOpenFile(QString(), exchangeFolder(), Filter);
    if (path.isEmpty()) {
        return;
    }
    const std::optional<qint32> id =
        customer_exchange::importCustomer(*store_, session_.held().company.compid, path, prompts_);
    if (!id) {
        return;
    }
    showProjectArea();
    const bool opened = project_->openproject(*id);
    if (opened) {
        // The project stays open, unsaved: saving it makes a customer of its own.
        store_->deleteCustomer(*id);
        project_->detachFromStore();
        setCustomerCommands(true);
    }
    refreshWorkspace();
}

void Tmainfm::wireExchange() {
    connect((*actions_)[QStringLiteral("exportProjectFile")], &QAction::triggered, this,
            [this] { exportProjectFile(); });
    connect((*actions_)[QStringLiteral("importProjectFile")], &QAction::triggered, this,
            [this] { importProjectFile(); });
    for (const char* name : {"exportProjectFile", "importProjectFile"}) {
        (*actions_)[QString::fromUtf8(name)]->setEnabled(true);
    }
}
