#pragma once

#include "core/current_product.h"
#include "core/menu_model.h"
#include "library/product_library.h"
#include "platform/pinyin_keys.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class Database;
class Prompts;
class TRoom_OBJ;

// The product of one grid row that has a picture.
struct Tpiclist {
    QImage picture;
    QString title;
    QString width; // mm, as text
    QString height;
    qint32 id = 0;
    qint32 kind = 0;
    double price = 0;
    qint32 status = 0;
    QString informationAddress; // picurl, trimmed
};

// Status bar panels 1 to 4 for the picker's product.
struct PickerStatusTexts {
    QString title;  // panel 1
    QString size;   // panel 2: "300mm X 600mm"
    QString price;  // panel 3: "价:12.5"
    QString status; // panel 4: "正常 ［方扣板］"

    bool operator==(const PickerStatusTexts&) const = default;
};

// The grid's measures after it was filled: the height of every row (row 0 included, always
// 0), the width of the picture column (column 1) and the width the picker column asks for.
struct PickerGridGeometry {
    std::vector<int> rowHeights{0};
    int pictureColumnWidth = 100;
    int pickerWidth = 165;
};

// How the grid fits the width it got: the picker column's width and the width of column 0,
// which centres the picture column.
struct PickerGridFit {
    int pickerWidth = 165;
    int spacerColumnWidth = 0;
};

// One drop-down list of categories: the names shown and the row ids in the same order.
struct PickerList {
    QStringList names;
    std::vector<int> ids;
    int selected = -1;

    int selectedId() const { return selected >= 0 ? ids[selected] : -1; }
    bool empty() const { return ids.empty(); }
};

// The product picker: catalogue choice, top categories, sub-categories, the grid of product
// pictures, the search with its history, choosing a row and the grid's popup. No widgets: the
// picker panel shows this state and forwards the user's actions here.
class ProductPicker {
public:
    // Catalogue selector entries.
    static constexpr int GeneralCatalogueEntry = 0; // "通用版产品"
    static constexpr int OwnCatalogueEntry = 1;     // "原产品", chosen in a new window
    static constexpr int HistoryLimit = 10;
    static constexpr int PictureRowMargin = 20;
    static constexpr int EmptyRowHeight = 16;

    ProductPicker(Database& library, Prompts* prompts);

    // --- Settings, from the held settings of the main window.
    StatusFilter filter;
    int trueComp = 0;
    int compstyle = 0;
    int catalogueEntry = OwnCatalogueEntry;

    // --- Hooks for the workspace; each may be empty.
    // Load products step 1: the room's current product, the fill commands and the status
    // panels 1..5 are to be emptied.
    std::function<void()> selectionForgotten;
    // "填充" entries: pattern 0 all, 1..6 the patterns, with the picker's orientation.
    std::function<void(int pattern, int orientation)> fillPatternChosen;
    // After an orientation entry changed the room and the picker.
    std::function<void(int tag)> orientationChosen;
    // "修改价格" and "直接加入统计表"; while empty their entries stay disabled.
    std::function<void()> priceEdit;
    std::function<void()> addToStatistics;
    // "产品详细信息" with the row's information address.
    std::function<void(const QString& address)> openInformation;
    // The workspace's menu enabling, run first when the popup opens.
    std::function<void()> popupOpening;
    // The active room, or null.
    std::function<TRoom_OBJ*()> activeRoom;

    // --- Categories (product_picker_categories.cpp).

    bool catalogueSelectorVisible() const { return compstyle == 3; }
    // The general catalogue when the selector shows its first entry and compstyle is not 0.
    bool generalCatalogue() const;
    int companyId() const;
    // The category panel's height and the tops of the selector (when visible) and the two
    // lists, in pixels.
    int categoryPanelHeight() const;
    std::vector<int> categoryListTops() const;
    void chooseCatalogue(int entry);
    // Each load selects the first entry of a non-empty list and loads the next level. A query
    // error is shown through the prompts and the list keeps what it had; false then.
    bool loadTopCategories();
    bool loadSubCategories();
    void selectTopCategory(int index);
    void selectSubCategory(int index);
    const PickerList& topCategories() const { return top_; }
    const PickerList& subCategories() const { return sub_; }

    // --- Grid (product_picker_grid.cpp).

    bool loadProducts();
    // Replaces the rows by the products in order; a row without a readable picture gets no
    // record.
    void fillGrid(const std::vector<ProductRow>& products);
    void emptyGrid();
    // Rows including row 0, which never has a record.
    int rowCount() const { return int(rows_.size()); }
    const Tpiclist* record(int row) const;
    // The picker's copy of a row's price, after the library's was changed.
    void setRecordPrice(int row, double price);
    const PickerGridGeometry& geometry() const { return geometry_; }
    // The fit of the grid at `gridWidth` pixels.
    PickerGridFit fit(int gridWidth) const;

    // --- Choice (product_picker_choice.cpp).

    // Forgets the selection (load products step 1) and runs selectionForgotten.
    void forgetSelection();
    // Chooses grid row r: the status texts (panels 1..3 emptied first, panel 4 set only for a
    // row with a record) and the selection.
    const PickerStatusTexts& chooseRow(int row);
    // Gives the room the choice as its current product, turning a strip product for a strip
    // room; true when the room's tool (20, 21, 25, 26) is to be replaced by free fill.
    bool applyChoice(TRoom_OBJ& room);
    const CurrentProduct& selection() const { return selection_; }
    CurrentProduct& selection() { return selection_; }
    int selectedRow() const { return selectedRow_; }
    const PickerStatusTexts& statusTexts() const { return texts_; }

    static QString statusLabel(int status);
    static QString kindLabel(int kind);
    // The tint of a selected cell by kind; white for an unknown kind.
    static QColor kindColour(int kind);

    // --- Search (product_picker_search.cpp).

    // Searches the whole library for names containing the trimmed text.
    bool search(const QString& text);
    // The list is kept in the given place (the held settings); the picker's own otherwise.
    void bindHistory(QStringList* list) { history_ = list ? list : &ownHistory_; }
    const QStringList& history() const { return *history_; }
    // The text moved or inserted at the top, the list cut to 10 entries.
    static void remember(QStringList& history, const QString& text);

    // --- Popup (product_picker_popup.cpp).

    MenuModel& popup() { return popup_; }
    // Updates the popup for opening: the workspace's enabling, the room's orientation chosen
    // as if clicked, "产品详细信息" for the selected row.
    void openPopup();
    // Workspace refresh step 8: the "填充" submenu (pattern -1) or one of its entries.
    void setFillEnabled(int pattern, bool enabled);
    // Workspace refresh step 9: "产品方向", "修改价格" and "直接加入统计表".
    void setProductEntriesEnabled(bool enabled);
    // The orientation entry with tag 0..3, as when it is clicked.
    void chooseOrientation(int tag);
    MenuItem& fillMenu();
    MenuItem& orientationMenu();
    MenuItem& entry(const QString& caption);

private:
    // Runs a query; on a DatabaseError shows the engine's message and returns false.
    bool guarded(const std::function<void()>& query);
    // Replaces the list by the query's result; on a query error the list stays.
    bool replaceList(PickerList& list, const std::function<PickerList()>& query);
    void buildPopup();

    ProductLibrary library_;
    PinyinIndex pinyin_; // the pinyin of the product names searched so far
    Prompts* prompts_;
    MenuModel popup_;
    PickerList top_;
    PickerList sub_;
    std::vector<std::optional<Tpiclist>> rows_;
    PickerGridGeometry geometry_;
    CurrentProduct selection_{-1, -1, 0};
    int selectedRow_ = -1;
    PickerStatusTexts texts_;
    QStringList ownHistory_;
    QStringList* history_ = &ownHistory_;
};
