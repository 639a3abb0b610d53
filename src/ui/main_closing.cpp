// The main window's closing sequence: which project state the save question and the
// backup reminder ask about, and the close of the window itself.

#include "ui/tmainfm.h"

#include <QCloseEvent>

#include <algorithm>

void Tmainfm::wireClosing() {
    CloseHooks& hooks = closing_.hooks();
    hooks.projectEdited = [this] { return projectEdited_ || roomsModified(); };
    // No customer is open before the open project, so the question names none.
    hooks.customerName = [] { return QString(); };
    // `saveProject` is filled by the open project's save command and `runBackup` by the
    // database backup; until then "是" closes without saving, as nothing can be stored,
    // and the reminder's "确定" leaves the backup to the user.
}

bool Tmainfm::roomsModified() const {
    return std::any_of(room_list.begin(), room_list.end(),
                       [](const RoomEntry& entry) { return entry.room->roomModified; });
}

void Tmainfm::closeEvent(QCloseEvent* event) {
    if (closing_.FormCloseQuery()) {
        event->accept();
    } else {
        event->ignore();
    }
}
