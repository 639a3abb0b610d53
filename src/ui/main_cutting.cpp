// "下料单": the button of the customer page and the entry of the statistics button's menu
// open the cutting list of the open project.

#include "quote/held_settings.h"
#include "quote/startup_session.h"
#include "ui/customer_page.h"
#include "ui/cutting_window.h"
#include "ui/main_actions.h"
#include "ui/tmainfm.h"

#include <QAction>
#include <QPushButton>

void Tmainfm::wireCutting() {
    const auto show = [this] {
        CuttingWindow window(*project_, session_.held().sawKerf, this);
        window.exec();
    };
    QAction* entry = (*actions_)[QStringLiteral("cuttingList")];
    entry->setEnabled(true);
    connect(entry, &QAction::triggered, this, show);
    connect(customerPage_->cuttingButton(), &QPushButton::clicked, this, show);
}
