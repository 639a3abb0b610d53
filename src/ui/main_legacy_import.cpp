#include "ui/tmainfm.h"

#include "platform/database.h"
#include "platform/prompts.h"
#include "quote/legacy_import.h"
#include "quote/startup_session.h"
#include "ui/main_actions.h"
#include "ui/main_project_view.h"
#include "ui/work_progress_window.h"

#include <QAction>

void Tmainfm::wireLegacyImport() {
    QAction* action = (*actions_)[QStringLiteral("importV5")];
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, [this] {
        LegacyImport command({*project_, *projectView_, session_.library(), session_.setup(),
                              session_.held(), prompts_});
        bool imported = false;
        try {
            WindowProgress progress(this);
            imported = command.run(progress);
        } catch (const DatabaseError& e) {
            prompts_.message(QString::fromUtf8(e.what()));
        }
        if (imported) {
            showProjectArea();
            setCustomerCommands(true);
        }
        refreshWorkspace();
    });
}
