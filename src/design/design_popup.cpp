#include "core/troom_obj.h"

#include "core/tpic_rec.h"
#include "design/product_under_point.h"
#include "library/product_library.h"
#include "platform/default_opener.h"

#include <optional>

// The design popup: its entries, and which of them the point of the right click enables.

namespace {

enum PopupEntry : std::size_t {
    ChooseProduct,
    DeleteProduct,
    WallAlignment,
    ManualAdjust,
    Orientation,
    FloatingAlignment,
    Replace,
    ProductDetails,
    CloseMenu,
};

template <typename Command>
void addEntries(MenuItem& parent, std::initializer_list<std::pair<const char*, int>> entries,
                Command command) {
    for (const auto& [caption, tag] : entries) {
        MenuItem item;
        item.caption = QString::fromUtf8(caption);
        item.tag = tag;
        item.onChosen = [command, tag = tag] { command(tag); };
        parent.items.push_back(std::move(item));
    }
}

bool anySelected(const TRoom_OBJ& room) {
    for (const std::unique_ptr<tdianqi_rec>& object : room.objects) {
        if (object->selected) {
            return true;
        }
    }
    return false;
}

// Whether the pointer cell lies beyond the last column or row of the active range.
bool beyondRange(const TRoom_OBJ& room) {
    return room.pointerCell.column > room.lastColumn || room.pointerCell.row > room.lastRow;
}

// The information address of the product concerned: the one shown under the pointer,
// else the one under the point.
QString productAddress(TRoom_OBJ& room, const ProductUnderPoint& under) {
    int id = -1;
    if (room.showSelectedProduct && room.currentProduct.id != -1) {
        id = room.currentProduct.id;
    } else {
        id = under.id;
    }
    if (id < 0 || !room.library) {
        return {};
    }
    const std::optional<ProductRow> row = ProductLibrary(*room.library).product(id);
    return row ? row->infoUrl.trimmed() : QString();
}

void buildDesignPopup(TRoom_OBJ& room, QPoint at) {
    MenuModel& popup = room.designPopup;
    popup.items.clear();
    popup.add(QStringLiteral("选择当前产品"), 0,
              [&room, at] { room.chooseProductUnderPointer(at); });
    popup.add(QStringLiteral("删除产品"), 0, [&room] {
        room.deleteProduct();
        room.paint();
    });
    MenuItem& alignment = popup.add(QStringLiteral("墙面对齐"));
    addEntries(alignment,
               {{"左上角对齐", 1},
                {"右上角对齐", 2},
                {"左下角对齐", 3},
                {"右下角对齐", 4},
                {"居中 ", 5},
                {"水平居中", 6},
                {"垂直居中", 7},
                {"锁定画布", 9}},
               [&room](int tag) { room.roomToGridAlignment(tag, false); });
    popup.add(QStringLiteral("手动调整"), 8, [&room] { room.roomToGridAlignment(8, false); });
    MenuItem& orientation = popup.add(QStringLiteral("产品方向"));
    addEntries(orientation, {{"标准", 0}, {"90度", 1}, {"180度", 2}, {"270度", 3}},
               [&room](int tag) { room.orientationCommand(tag); });
    MenuItem& floating = popup.add(QStringLiteral("悬浮产品对齐"));
    addEntries(floating,
               {{"水平顶部对齐", 0},
                {"水平底部对齐", 1},
                {"左对齐", 2},
                {"右对齐", 3},
                {"水平间隔", 4},
                {"垂直间隔", 5},
                {"底部产品中间", 6},
                {"置顶层", 7},
                {"置底层", 8}},
               [&room](int tag) { room.floatingArrangement(tag); });
    MenuItem& replacing = popup.add(QStringLiteral("替换"));
    addEntries(replacing, {{"替换当前产品", 0}, {"全部替换", 1}, {"替换当前区域", 2}},
               [&room](int scope) { room.replace(scope); });
    popup.add(QStringLiteral("产品详细信息"));
    popup.add(QStringLiteral("取消菜单"));
}

} // namespace

void TRoom_OBJ::designPopupOpening(QPoint at) {
    buildDesignPopup(*this, at);
    std::vector<MenuItem>& items = designPopup.items;
    const bool deleting = tool == DesignDelete || tool == DesignDeleteHeld;
    for (MenuItem& item : items) {
        item.enabled = false;
    }
    items[WallAlignment].enabled = true;
    items[ManualAdjust].enabled = true;
    items[FloatingAlignment].enabled = anySelected(*this) && !deleting;
    items[CloseMenu].enabled = true;

    const ProductUnderPoint under = productUnderPoint(*this, at);
    const bool overCell = pointerCell.column >= 1 && pointerCell.row >= 1;
    if (!overCell || deleting) {
        if (!beyondRange(*this) && under.cell) {
            const GridCell c = *under.cell;
            const bool occupied = cell(c.column, c.row) != -1;
            items[ChooseProduct].enabled = occupied;
            items[DeleteProduct].enabled = occupied;
        }
        return;
    }
    if (!beyondRange(*this)) {
        const bool something = under.cell && under.id != -1;
        items[ChooseProduct].enabled = something;
        items[DeleteProduct].enabled = something;
        items[Orientation].enabled = something || (showSelectedProduct && currentProduct.id != -1);
    }
    if (under.object) {
        items[ChooseProduct].enabled = true;
        items[DeleteProduct].enabled = true;
        items[Orientation].enabled = true;
    }
    const QString address = productAddress(*this, under);
    items[ProductDetails].enabled = !address.isEmpty();
    if (!address.isEmpty()) {
        items[ProductDetails].onChosen = [address] { opener::openWithDefaultHandler(address); };
    }
    items[Replace].enabled = currentProduct.id != -1;
}
