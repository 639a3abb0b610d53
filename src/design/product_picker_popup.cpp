#include "design/product_picker.h"

#include "core/troom_obj.h"

namespace {

const char* const FillCaptions[] = {"全部",       "横向奇数行", "横向偶数行", "纵向奇数列",
                                    "纵向偶数列", "奇数棋盘式", "偶数棋盘式"};
const char* const OrientationCaptions[] = {"标准", "90度", "180度", "270度"};

// A submenu of `count` entries tagged 0.. with their captions and commands.
MenuItem submenu(const QString& caption, const char* const* captions, int count,
                 const std::function<void(int tag)>& command) {
    MenuItem menu;
    menu.caption = caption;
    for (int tag = 0; tag < count; ++tag) {
        MenuItem item;
        item.caption = QString::fromUtf8(captions[tag]);
        item.tag = tag;
        item.onChosen = [command, tag] { command(tag); };
        menu.items.push_back(std::move(item));
    }
    return menu;
}

} // namespace

void ProductPicker::buildPopup() {
    popup_ = {};
    popup_.items.push_back(submenu(QStringLiteral("填充"), FillCaptions, 7, [this](int pattern) {
        if (fillPatternChosen) {
            fillPatternChosen(pattern, selection_.orientation);
        }
    }));
    MenuItem orientation = submenu(QStringLiteral("产品方向"), OrientationCaptions, 4,
                                   [this](int tag) { chooseOrientation(tag); });
    orientation.items[0].checked = true;
    popup_.items.push_back(std::move(orientation));

    popup_.add(QStringLiteral("修改价格"), 0, [this] {
        if (priceEdit) {
            priceEdit();
        }
    });
    popup_.addSeparator();
    popup_.add(QStringLiteral("直接加入统计表"), 0, [this] {
        if (addToStatistics) {
            addToStatistics();
        }
    });
    popup_.add(QStringLiteral("产品详细信息"), 0, [this] {
        const Tpiclist* row = record(selectedRow_);
        if (row && !row->informationAddress.isEmpty() && openInformation) {
            openInformation(row->informationAddress);
        }
    });
    setProductEntriesEnabled(false);
    entry(QStringLiteral("产品详细信息")).enabled = false;
}

MenuItem& ProductPicker::entry(const QString& caption) {
    for (MenuItem& item : popup_.items) {
        if (item.caption == caption) {
            return item;
        }
    }
    Q_ASSERT_X(false, "ProductPicker::entry", "no such popup entry");
    return popup_.items.front();
}

MenuItem& ProductPicker::fillMenu() {
    return popup_.items[0];
}

MenuItem& ProductPicker::orientationMenu() {
    return popup_.items[1];
}

void ProductPicker::setFillEnabled(int pattern, bool enabled) {
    MenuItem& fill = fillMenu();
    if (pattern < 0) {
        fill.enabled = enabled;
    } else if (pattern < int(fill.items.size())) {
        fill.items[pattern].enabled = enabled;
    }
}

void ProductPicker::setProductEntriesEnabled(bool enabled) {
    orientationMenu().enabled = enabled;
    // Entries whose command the program does not offer yet stay disabled.
    entry(QStringLiteral("修改价格")).enabled = enabled && bool(priceEdit);
    entry(QStringLiteral("直接加入统计表")).enabled = enabled && bool(addToStatistics);
}

void ProductPicker::chooseOrientation(int tag) {
    if (tag < 0 || tag > 3) {
        return;
    }
    int checked = tag;
    TRoom_OBJ* room = activeRoom ? activeRoom() : nullptr;
    if (room) {
        const bool strip = room->currentProduct.kind == KindStrip;
        if (strip && room->roomstyle == StripsAlongColumns) {
            checked = 1;
        } else if (strip && room->roomstyle == StripsAlongRows) {
            checked = 0;
        }
        room->currentProduct.orientation = quint8(checked);
    }
    selection_.orientation = quint8(checked);
    for (MenuItem& item : orientationMenu().items) {
        item.checked = item.tag == checked;
    }
    if (orientationChosen) {
        orientationChosen(checked);
    }
}

void ProductPicker::openPopup() {
    if (popupOpening) {
        popupOpening();
    }
    if (TRoom_OBJ* room = activeRoom ? activeRoom() : nullptr) {
        chooseOrientation(room->currentProduct.orientation);
    }
    const Tpiclist* row = record(selectedRow_);
    entry(QStringLiteral("产品详细信息")).enabled = row && !row->informationAddress.isEmpty();
}
