#include "ui/product_picker_panel.h"

#include "ui/menu_entries.h"

#include <QMenu>

std::unique_ptr<QMenu> ProductPickerPanel::popupMenu() {
    forwardHooks();
    picker_.openPopup();
    auto menu = std::make_unique<QMenu>(this);
    addMenuEntries(*menu, picker_.popup().items);
    return menu;
}
