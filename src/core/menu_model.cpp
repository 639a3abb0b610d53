#include "core/menu_model.h"

MenuItem& MenuModel::add(const QString& caption, int tag, std::function<void()> onChosen) {
    MenuItem item;
    item.caption = caption;
    item.tag = tag;
    item.onChosen = std::move(onChosen);
    items.push_back(std::move(item));
    return items.back();
}

void MenuModel::addSeparator() {
    MenuItem item;
    item.separator = true;
    items.push_back(std::move(item));
}
