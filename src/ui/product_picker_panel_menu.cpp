#include "ui/product_picker_panel.h"

#include <QActionGroup>
#include <QMenu>

namespace {

// Adds the entries to the menu. A submenu with a checked entry is a group of radio items.
// Every action runs a copy of its entry's command, so that the picker may rebuild its popup
// while the command runs.
void addEntries(QMenu& menu, const std::vector<MenuItem>& entries) {
    bool radio = false;
    for (const MenuItem& entry : entries) {
        radio = radio || entry.checked;
    }
    QActionGroup* group = radio ? new QActionGroup(&menu) : nullptr;
    for (const MenuItem& entry : entries) {
        if (entry.separator) {
            menu.addSeparator();
            continue;
        }
        if (!entry.items.empty()) {
            QMenu* sub = menu.addMenu(entry.caption);
            sub->setEnabled(entry.enabled);
            addEntries(*sub, entry.items);
            continue;
        }
        QAction* action = menu.addAction(entry.caption);
        action->setEnabled(entry.enabled);
        if (group) {
            action->setCheckable(true);
            action->setChecked(entry.checked);
            group->addAction(action);
        }
        if (std::function<void()> command = entry.onChosen) {
            QObject::connect(action, &QAction::triggered, &menu, [command] { command(); });
        }
    }
}

} // namespace

std::unique_ptr<QMenu> ProductPickerPanel::popupMenu() {
    forwardHooks();
    picker_.openPopup();
    auto menu = std::make_unique<QMenu>(this);
    addEntries(*menu, picker_.popup().items);
    return menu;
}
