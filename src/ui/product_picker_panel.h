#pragma once

#include "design/product_picker.h"

#include <QWidget>

#include <functional>
#include <memory>

class Database;
class Prompts;
class QComboBox;
class QMenu;
class QPushButton;
class QTableWidget;
class TRoom_OBJ;
struct HeldSettings;

// The product picker column: the catalogue selector (only when both catalogues are offered),
// the top-category and sub-category lists, the grid of product pictures and the search box
// with its history. It knows nothing of the main window: what the window must do is asked
// through the hooks below.
class ProductPickerPanel : public QWidget {
public:
    ProductPickerPanel(Database& library, Prompts* prompts, QWidget* parent = nullptr);
    ~ProductPickerPanel() override;

    // Takes the statuses, the company settings and the search history (kept up to date in
    // `settings`), then loads the top categories.
    void useSettings(HeldSettings& settings);
    // Loads the top categories afresh, e.g. after the status settings changed.
    void reload();

    ProductPicker& picker() { return picker_; }

    // --- Hooks; each may be empty.
    // Load products step 1: the room's current product, the fill commands and the status
    // panels 1..5 are to be emptied.
    std::function<void()> selectionForgotten;
    // A grid row was chosen: status panels 1..4 (a row without a product empties panels 1..3
    // and keeps the last product's panel 4) and whether the room's tool is to be replaced by
    // free fill. The active room has already taken the choice as its current product; the
    // window then refreshes its menu enabling.
    std::function<void(const PickerStatusTexts& texts, bool replaceTool)> rowChosen;
    std::function<void(int pattern, int orientation)> fillPatternChosen;
    std::function<void(int orientation)> orientationChosen;
    // While empty, "修改价格" and "直接加入统计表" stay disabled.
    std::function<void()> priceEdit;
    std::function<void()> addToStatistics;
    // "产品详细信息"; opens the address with the platform's default handler unless replaced.
    std::function<void(const QString& address)> openInformation;
    // The workspace's menu enabling before the popup shows.
    std::function<void()> popupOpening;
    std::function<TRoom_OBJ*()> activeRoom;

    // The controls, for the window's layout and for tests.
    QComboBox* catalogueBox() const { return catalogue_; }
    QComboBox* topCategoryBox() const { return top_; }
    QComboBox* subCategoryBox() const { return sub_; }
    QTableWidget* grid() const { return grid_; }
    QComboBox* searchBox() const { return search_; }
    QPushButton* searchButton() const { return searchButton_; }
    QWidget* categoryPanel() const { return categoryPanel_; }

    // The popup as it shows on a right click: updated for opening, then built as a menu whose
    // actions run the entries' commands when triggered.
    std::unique_ptr<QMenu> popupMenu();
    void search();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void forwardHooks();
    // Shows the picker's lists from `from` down to the grid.
    enum { ListTop, ListSub, ListGrid };
    void showLists(int from);
    void showGrid();
    void placeCategoryLists();
    void fitGrid();
    void rowSelected(int row);

    ProductPicker picker_;
    QWidget* categoryPanel_;
    QComboBox* catalogue_;
    QComboBox* top_;
    QComboBox* sub_;
    QTableWidget* grid_;
    QComboBox* search_;
    QPushButton* searchButton_;
};
