#include "ui/main_maintenance.h"

#include "library/library_reset.h"
#include "platform/database.h"
#include "platform/prompts.h"
#include "quote/startup_session.h"
#include "store/customer_store.h"
#include "ui/backup_window.h"
#include "ui/customer_page.h"
#include "ui/main_actions.h"
#include "ui/product_picker_panel.h"
#include "ui/tmainfm.h"
#include "ui/tsetupfm2.h"
#include "ui/work_progress_window.h"

#include <QAction>

namespace {

MaintainedDatabase maintained(Database& db, const StartupSession& session, const char* file) {
    return {db, session.path(QStringLiteral("数据文件/") + QString::fromUtf8(file))};
}

} // namespace

MainMaintenance::MainMaintenance(Tmainfm& window, StartupSession& session, Prompts& prompts,
                                 std::function<QDate()> today)
    : window_(window), session_(session), prompts_(prompts),
      store_(std::make_unique<CustomerStore>(session.store())),
      maintenance_(maintained(session.library(), session, "db.data"),
                   maintained(session.store(), session, "Userdb.data"), prompts) {
    nameLists_ = new Tsetupfm2(*store_, prompts, &window);
    backupWindow_ = new BackupWindow(
        {maintenance_, session.setup(), prompts, session.programFolder(), std::move(today)},
        &window);
    MainActions& actions = window.actions();
    const auto on = [&](const char* name, std::function<void()> command) {
        QAction* action = actions[QString::fromUtf8(name)];
        action->setEnabled(true);
        QObject::connect(action, &QAction::triggered, &window, std::move(command));
    };
    on("areas", [this] { editNameLists(0); });
    on("handlers", [this] { editNameLists(1); });
    on("backupDb", [this] { backup(); });
    on("compactDb", [this] { compact(); });
    on("redownload", [this] { emptyLibrary(); });
    window.closeHooks().runBackup = [this] { backup(); };
}

MainMaintenance::~MainMaintenance() = default;

void MainMaintenance::reloadNameLists() {
    try {
        session_.reloadNameLists();
    } catch (const DatabaseError& e) {
        prompts_.message(QString::fromUtf8(e.what()));
    }
    window_.customerPage()->setChoices(session_.areaTitles(), session_.handlerNames());
}

void MainMaintenance::editNameLists(int tab) {
    nameLists_->showOn(tab);
    reloadNameLists();
}

void MainMaintenance::backup() {
    backupWindow_->run();
}

void MainMaintenance::compact() {
    WindowProgress progress(&window_);
    maintenance_.compact(progress);
}

void MainMaintenance::emptyLibrary() {
    try {
        if (emptyForNewDownload(session_.library(), prompts_)) {
            // The picker no longer offers the removed products.
            window_.productPicker()->useSettings(session_.held());
        }
    } catch (const DatabaseError& e) {
        prompts_.message(QString::fromUtf8(e.what()));
    }
}
