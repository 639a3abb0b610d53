#pragma once

#include "library/product_manager.h"

#include <QWidget>

#include <functional>
#include <memory>

class ProductGridDelegate;
class ProductGridModel;
class ProfileFile;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;
class TNewZDYProFM;

// The product manager "产品库维护": the tree of catalogues, categories and sub-categories
// beside the grid of the chosen sub-category's products, with the tool bar, the two context
// menus and four status-bar panels. Not modal; it stays above its parent window.
class Tpromanagerfm : public QWidget {
public:
    static constexpr int StatusPanels = 4;

    Tpromanagerfm(Database& library, ProfileFile& setup, Prompts& prompts,
                  const QString& programFolder, QWidget* parent = nullptr);
    ~Tpromanagerfm() override;

    // The company values, read each time the window opens.
    std::function<ManagerScope()> scope;
    // The window closed: the main window reloads its category picker.
    std::function<void()> closed;

    // Builds the tree and shows the window.
    void open();

    ProductManager& manager() { return *manager_; }
    QTreeWidget* tree() const { return tree_; }
    QTableView* grid() const { return grid_; }
    ProductGridModel* gridModel() const { return model_; }
    ProductGridDelegate* gridDelegate() const { return delegate_; }
    QAction* saveAction() const { return save_; }
    QLineEdit* searchEdit() const { return search_; }
    QLabel* statusPanel(int index) const { return panels_[index]; }
    TNewZDYProFM* productEditor() const { return editor_; }

    // Clicking a node: the status-bar panels, and for a sub-category its products.
    void nodeClicked(QTreeWidgetItem* item);
    // The context menus as they show on a right click (the tree's on `item`); empty when
    // there is none.
    std::unique_ptr<QMenu> treeMenu(QTreeWidgetItem* item);
    std::unique_ptr<QMenu> gridMenu();
    void searchClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTree();
    QTreeWidgetItem* addItem(QTreeWidgetItem* parent, const ManagerNode& node);
    static ManagerNode nodeOf(const QTreeWidgetItem* item);
    void showStatus(QTreeWidgetItem* item, int status);
    void showPanels(const QTreeWidgetItem* item);
    // The grid from the manager's rows: rows, heights, column widths, panel 3.
    void showGrid();
    void gridEdited();
    void addClick(QTreeWidgetItem* item);
    void renameClick(QTreeWidgetItem* item);
    void deleteClick(QTreeWidgetItem* item);
    int currentRow() const;

    ProfileFile& setup_;
    std::unique_ptr<ProductManager> manager_;
    QTreeWidget* tree_;
    QTableView* grid_;
    ProductGridModel* model_;
    ProductGridDelegate* delegate_;
    QAction* save_;
    QLineEdit* search_;
    QLabel* panels_[StatusPanels] = {};
    TNewZDYProFM* editor_;
};
