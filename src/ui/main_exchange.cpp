// The open project as a project exchange file: "导出客户项目为文件" and
// "从文件导入客户项目".

#include "platform/database.h"
#include "platform/prompts.h"
#include "quote/held_settings.h"
#include "quote/open_project.h"
#include "quote/startup_session.h"
#include "store/customer_browser.h"
#include "store/customer_exchange.h"
#include "store/customer_store.h"
#include "ui/main_actions.h"
#include "ui/tmainfm.h"
#include "ui/tuserfm.h"

#include <QAction>
#include <QDir>

namespace {

const QString Filter = QStringLiteral("TESSRA工程文件 (*.zpk)");

// The file to export to, proposed as `name` in `folder`; ".zpk" added when missing,
// empty when cancelled.
QString chooseExportFile(Prompts& prompts, const QString& folder, const QString& name) {
    QString path =
        prompts.chooseSaveFile(QStringLiteral("导出记录到文件"),
                               QDir(folder).filePath(name + QStringLiteral(".zpk")), Filter);
    if (!path.isEmpty() && !path.endsWith(QStringLiteral(".zpk"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".zpk");
    }
    return path;
}

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
    const QString path =
        chooseExportFile(prompts_, exchangeFolder(), project_->customer.name.trimmed());
    if (path.isEmpty()) {
        return;
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

// The browser's "导出客户项目" and "导入客户项目": the file of the selected customer, and a
// file as a new customer on top of the list.
void Tmainfm::wireBrowserExchange() {
    browser_->onExportCustomer = [this](qint32 id) {
        const std::optional<CustomerRecord> customer = store_->customer(id);
        if (!customer) {
            prompts_.message(QStringLiteral("未发现记录!"));
            return;
        }
        const QString name = customer->name.trimmed().isEmpty() ? customer->tele.trimmed()
                                                                : customer->name.trimmed();
        const QString path = chooseExportFile(prompts_, exchangeFolder(), name);
        if (path.isEmpty()) {
            return;
        }
        customer_exchange::exportCustomer(*store_, id, path, prompts_);
    };
    browser_->onImportCustomer = [this] {
        const QString path = prompts_.chooseOpenFile(QString(), exchangeFolder(), Filter);
        if (path.isEmpty()) {
            return;
        }
        if (const std::optional<qint32> id = customer_exchange::importCustomer(
                *store_, session_.held().company.compid, path, prompts_)) {
            browser_->browser().listNew(*id);
        }
    };
}

void Tmainfm::wireExchange() {
    wireBrowserExchange();
    connect((*actions_)[QStringLiteral("exportProjectFile")], &QAction::triggered, this,
            [this] { exportProjectFile(); });
    connect((*actions_)[QStringLiteral("importProjectFile")], &QAction::triggered, this,
            [this] { importProjectFile(); });
    for (const char* name : {"exportProjectFile", "importProjectFile"}) {
        (*actions_)[QString::fromUtf8(name)]->setEnabled(true);
    }
}
