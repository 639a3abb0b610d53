#pragma once

#include <QString>

#include <functional>
#include <vector>

// One entry of a popup menu: a command, a separator or a submenu (when it has items).
struct MenuItem {
    QString caption;
    int tag = 0;
    bool enabled = true;
    bool checked = false;
    bool separator = false;
    std::vector<MenuItem> items;
    // Runs when the user chooses the entry.
    std::function<void()> onChosen;
};

// A popup menu as data: the room fills and updates it, the user interface shows it and
// calls the chosen entry's onChosen.
struct MenuModel {
    std::vector<MenuItem> items;

    MenuItem& add(const QString& caption, int tag = 0, std::function<void()> onChosen = {});
    void addSeparator();
};
