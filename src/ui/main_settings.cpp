// What the settings window changes in the main window: the held settings it pushes and
// the open rooms that saving settings updates.

#include "quote/open_project.h"
#include "quote/setup_form.h"
#include "quote/startup_session.h"
#include "ui/customer_page.h"
#include "ui/product_picker_panel.h"
#include "ui/tmainfm.h"
#include "ui/tnewroomfm.h"

#include <QSpinBox>

void Tmainfm::settingsPushed() {
    fixedLength_->setValue(session_.held().glen);
    // The discount field shows or hides at once when the default discount changes.
    customerPage_->showDiscount();
    // The statuses shown and the catalogue may have changed.
    picker_->useSettings(session_.held());
    // The new-room window starts from the settings just read.
    if (auto* newRoom =
            dynamic_cast<TNewRoomFM*>(findChild<QDialog*>(QStringLiteral("newroomfm")))) {
        newRoom->setDefaults(session_.held().newRoom);
    }
}

SettingsSaveHooks Tmainfm::settingsSaveHooks() {
    SettingsSaveHooks hooks;
    // Later rooms take both values from the held settings when they are created.
    hooks.applyToRooms = [this](int history, int minCoverage) {
        // The open project takes the stored coverage, as rooms made later do.
        project_->customer.ming = minCoverage;
        for (const RoomEntry& entry : project_->room_list) {
            entry.room->undoLimit = history;
            entry.room->minimumCoverage = minCoverage;
            entry.room->recount();
        }
        // The rooms share one statistics list: it shows the active room again.
        if (active_) {
            active_->statisticsRefresh();
        }
        refreshWorkspace();
    };
    hooks.markEdgeTrimReady = [this] { project_->edgeTrimReady = true; };
    return hooks;
}
