#pragma once

#include "library/custom_ids.h"
#include "library/custom_product.h"
#include "library/library_maintenance.h"
#include "library/product_library.h"

#include <QImage>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class Database;
class Prompts;
class WorkProgress;

// One node of the maintenance tree: a catalogue root (level 0, its catalogue code), a top
// category (level 1) or a sub-category (level 2), each with its record id.
struct ManagerNode {
    int level = 0;
    int number = 0;
    QString text;
    int status = StatusNormal;
    std::vector<ManagerNode> children;

    bool custom() const { return number >= CustomRangeFirst; }
};

// The product of one grid row: as loaded, with the values of its price editor, status box
// and unit editor.
struct Tpicbit {
    QImage picture;
    QString title;
    QString widthText;
    QString heightText;
    int id = 0;
    int kind = 0;
    double price = 0; // as loaded or last saved
    int status = 0;   // as loaded
    bool edited = false;
    double priceEditor = 0;
    int statusBox = 0;
    QString unitEditor;
    QString infoUrl; // trimmed
};

// The company values that choose the catalogues shown.
struct ManagerScope {
    int compid = 0;
    int compstyle = 0;
};

// The product manager's model: the tree of catalogues, the grid of products with their
// edits, the unsaved flag and every command of the window. No widgets: questions go through
// the prompts, the custom product editor through `editProduct`.
class ProductManager {
public:
    static constexpr int EmptyRowHeight = 16;
    static constexpr int PictureMargin = 20;
    static constexpr int PictureColumnWidth = 50;
    static constexpr auto PriceFilter = "数据库备份|*.design";

    ProductManager(Database& library, ProfileFile& setup, Prompts& prompts, QString programFolder,
                   ManagerScope scope);

    // The custom product editor: runs it on the values and gives the confirmed values back,
    // nothing on "取消".
    std::function<std::optional<CustomProductValues>(const CustomProductValues&)> editProduct;

    // The company values may change between two openings of the window.
    void setScope(ManagerScope scope) { scope_ = scope; }
    // The grid's label of a kind code: "方扣板" … "标记", empty for other codes.
    static QString kindLabel(int kind);

    // --- Tree (product_manager.cpp).

    // The roots of the scope with their categories and sub-categories.
    std::vector<ManagerNode> buildTree() const;
    // Whether a node accepts a status (below the custom range) and the three entries
    // (levels 1 and 2).
    static bool acceptsStatus(const ManagerNode& node) { return !node.custom(); }
    static bool statusEntries(const ManagerNode& node) {
        return acceptsStatus(node) && node.level > 0;
    }
    // "添加大类", "添加小类" or "添加产品" by level.
    static QString addCaption(int level);
    // Sets the status of a category or sub-category (and all below it) and of the node and
    // its children.
    void setStatus(ManagerNode& node, int status);
    // Adds a custom category (on the custom root) or sub-category (on a custom category)
    // after asking for its name; the new node, nothing when the answer is empty.
    std::optional<ManagerNode> addNode(const ManagerNode& parent);
    // Renames a custom category or sub-category (`parentNumber`: its category); true
    // when it took a new name.
    bool renameNode(ManagerNode& node, int parentNumber);
    // Deletes a custom category or sub-category with what is below it, after the
    // confirmation; the grid is emptied.
    bool deleteNode(const ManagerNode& node);

    // --- Grid (product_manager_grid.cpp).

    // Clicking a sub-category: the unsaved question, then its products. False when the user
    // cancelled and the grid stays.
    bool openSubCategory(int id);
    // The whole library's products whose names contain the trimmed text literally, after
    // the same question.
    bool search(const QString& text);
    // Runs the grid's query again.
    void reload();
    void emptyGrid();

    // Rows of the grid without the caption row; never fewer than one.
    int rowCount() const { return int(rows_.size()); }
    // The row object, null for an empty or deleted row.
    const Tpicbit* row(int index) const;
    int rowHeight(int index) const { return heights_[index]; }
    int pictureColumnWidth() const { return pictureWidth_; }
    // "找到" + number + "记录" after a load.
    const QString& foundText() const { return found_; }
    // The sub-category the grid shows, -1 after a search or when none is shown.
    int shownSubCategory() const { return subCategory_; }
    // The grid's context menu exists only while a custom sub-category is shown.
    bool gridMenuPresent() const { return subCategory_ >= CustomRangeFirst; }

    // Edits in a row with a row object; each marks the row edited and sets the unsaved flag.
    void setPrice(int index, double price);
    void setStatusBox(int index, int status);
    void setUnit(int index, const QString& unit);
    bool unsaved() const { return unsaved_; }
    // Stores the edited rows and clears the unsaved flag.
    void save();

    // --- Custom products (product_manager_products.cpp).

    // Adds a product to the shown custom sub-category through the editor.
    bool addProduct();
    // Edits the row's product through the editor; its status and edits stay.
    bool editRow(int index);
    // Deletes the row's product after the confirmation; the row is hidden.
    bool deleteRow(int index);

    // --- Price file (product_manager_products.cpp).

    // The file choice, the file, then "成功导出产品价格!" or "导出产品价格失败!".
    void exportPrices();
    // The file choice, the file, then "成功导入产品价格!" or "导入产品价格失败!"; nothing
    // when the user stopped it (the prices stay as they were).
    void importPrices(WorkProgress& progress);
    // "备份文件" beside the executable, created when missing.
    QString backupFolder() const;

private:
    enum class Query { None, SubCategory, Search };
    // The unsaved question before the grid is loaded again: 是 saves, 否 drops the edits;
    // false on 取消.
    bool keepOrDropEdits();
    void loadRows(const std::vector<ProductRow>& products);
    // Appends a product row; false when its picture cannot be read.
    bool appendRow(const ProductRow& product);
    void fitRow(int index);
    Tpicbit* editable(int index);
    std::vector<ManagerNode> categoriesOf(int first, int lastExclusive) const;

    ProductLibrary reader_;
    LibraryMaintenance library_;
    CustomIds ids_;
    Prompts& prompts_;
    QString folder_;
    ManagerScope scope_;

    Query query_ = Query::None;
    int subCategory_ = -1;
    QString searchText_;
    std::vector<std::optional<Tpicbit>> rows_;
    std::vector<int> heights_;
    int products_ = 0;
    int pictureWidth_ = PictureColumnWidth;
    QString found_;
    bool unsaved_ = false;
};
