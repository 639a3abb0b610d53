// The main window's closing sequence: which project state the save question and the
// backup reminder ask about, and the close of the window itself.

#include "quote/open_project.h"
#include "ui/tmainfm.h"

#include <QCloseEvent>

#include <algorithm>

void Tmainfm::wireClosing() {
    CloseHooks& hooks = closing_.hooks();
    hooks.projectEdited = [this] { return project_->edited() || roomsModified(); };
    hooks.customerName = [this] { return project_->customer.name; };
    hooks.saveProject = [this] { return project_->savebtClick(); };
    // `runBackup` is filled by the data commands (MainMaintenance).
}

bool Tmainfm::roomsModified() const {
    const std::vector<RoomEntry>& rooms = project_->room_list;
    return std::any_of(rooms.begin(), rooms.end(),
                       [](const RoomEntry& entry) { return entry.room->roomModified; });
}

void Tmainfm::closeEvent(QCloseEvent* event) {
    if (closing_.FormCloseQuery()) {
        event->accept();
    } else {
        event->ignore();
    }
}
