#include "ui/menu_entries.h"

#include <QActionGroup>
#include <QMenu>

void addMenuEntries(QMenu& menu, const std::vector<MenuItem>& entries) {
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
            addMenuEntries(*sub, entry.items);
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
