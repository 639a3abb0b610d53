#include "ui/tpromanagerfm.h"

#include "platform/default_opener.h"
#include "ui/product_grid_delegate.h"
#include "ui/product_grid_model.h"
#include "ui/tnewzdyprofm.h"
#include "ui/window_geometry.h"
#include "ui/work_progress_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Columns 0 to 3 as loaded; then price, kind, status, unit and information, each wide
// enough for its editor or button.
constexpr int ColumnWidths[] = {48, ProductManager::PictureColumnWidth, 150, 70, 75, 80, 70, 70,
                                70};
constexpr int TreeWidth = 220;
const QString GeometryKey = QStringLiteral("promanager");

// Wide enough for the tree and every column of the grid at its width, with room for a
// vertical scroll bar and a wider picture column.
int openingWidth() {
    int width = TreeWidth + 120;
    for (int column : ColumnWidths) {
        width += column;
    }
    return width;
}

} // namespace

Tpromanagerfm::Tpromanagerfm(Database& library, ProfileFile& setup, Prompts& prompts,
                             const QString& programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), setup_(setup),
      manager_(std::make_unique<ProductManager>(library, setup, prompts, programFolder,
                                                ManagerScope{})) {
    setObjectName(QStringLiteral("promanagerfm"));
    setWindowTitle(QStringLiteral("产品库维护"));
    resize(openingWidth(), 640);
    setFont(QFont(QStringLiteral("宋体"), 9));
    editor_ = new TNewZDYProFM(prompts, this);
    manager_->editProduct = [this](const CustomProductValues& values) {
        return editor_->edit(values);
    };

    auto* bar = new QToolBar(this);
    save_ = bar->addAction(QStringLiteral("保存"));
    save_->setObjectName(QStringLiteral("saveAction"));
    save_->setEnabled(false);
    QAction* import = bar->addAction(QStringLiteral("导入价格"));
    QAction* exportPrices = bar->addAction(QStringLiteral("导出价格"));
    bar->addSeparator();
    search_ = new QLineEdit(bar);
    search_->setObjectName(QStringLiteral("searchEdit"));
    search_->setPlaceholderText(QStringLiteral("请输入搜索关键字"));
    search_->setToolTip(QStringLiteral("请输入搜索关键字"));
    search_->setFixedWidth(160);
    bar->addWidget(search_);
    auto* searchButton = new QPushButton(QStringLiteral("搜索"), bar);
    searchButton->setObjectName(QStringLiteral("searchButton"));
    bar->addWidget(searchButton);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("productTree"));
    tree_->setHeaderHidden(true);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);

    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("productGrid"));
    model_ = new ProductGridModel(*manager_, grid_);
    delegate_ = new ProductGridDelegate(grid_);
    delegate_->openInformation = [](const QString& address) {
        opener::openWithDefaultHandler(address);
    };
    grid_->setModel(model_);
    grid_->setItemDelegate(delegate_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setMinimumSectionSize(0);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);

    auto* split = new QSplitter(this);
    split->addWidget(tree_);
    split->addWidget(grid_);
    split->setStretchFactor(1, 1);
    split->setSizes({TreeWidth, openingWidth() - TreeWidth});

    auto* status = new QStatusBar(this);
    for (QLabel*& panel : panels_) {
        panel = new QLabel(status);
        status->addWidget(panel, 1);
    }
    status->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(split, 1);
    layout->addWidget(status);

    connect(save_, &QAction::triggered, this, [this] {
        manager_->save();
        save_->setEnabled(false);
    });
    connect(import, &QAction::triggered, this, [this] {
        WindowProgress progress(this);
        manager_->importPrices(progress);
    });
    connect(exportPrices, &QAction::triggered, this, [this] { manager_->exportPrices(); });
    connect(searchButton, &QPushButton::clicked, this, [this] { searchClick(); });
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        if (!search_->text().trimmed().isEmpty()) {
            searchClick();
        }
    });
    connect(tree_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { nodeClicked(item); });
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { showPanels(item); });
    connect(tree_, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        if (std::unique_ptr<QMenu> menu = treeMenu(tree_->itemAt(at))) {
            menu->exec(tree_->viewport()->mapToGlobal(at));
        }
    });
    connect(grid_, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        if (std::unique_ptr<QMenu> menu = gridMenu()) {
            menu->exec(grid_->viewport()->mapToGlobal(at));
        }
    });
    connect(model_, &QAbstractItemModel::dataChanged, this, [this] { gridEdited(); });
    showGrid();
}

Tpromanagerfm::~Tpromanagerfm() {
    // The grid's model and an open editor read the manager, which goes before the
    // window's children would.
    delete grid_;
}

void Tpromanagerfm::open() {
    if (scope) {
        manager_->setScope(scope());
    }
    buildTree();
    if (!isVisible()) {
        window_geometry::restore(*this, setup_, GeometryKey);
    }
    show();
    raise();
    activateWindow();
}

void Tpromanagerfm::closeEvent(QCloseEvent* event) {
    window_geometry::keep(*this, setup_, GeometryKey);
    // Unsaved edits go without a question.
    manager_->emptyGrid();
    showGrid();
    save_->setEnabled(false);
    event->accept();
    if (closed) {
        closed();
    }
}

void Tpromanagerfm::searchClick() {
    if (manager_->search(search_->text())) {
        showGrid();
    }
}

void Tpromanagerfm::showGrid() {
    model_->reset();
    for (int i = 0; i < ProductGridModel::ColumnCount; ++i) {
        grid_->setColumnWidth(i, ColumnWidths[i]);
    }
    grid_->setColumnWidth(ProductGridModel::Picture, manager_->pictureColumnWidth());
    QHeaderView* rows = grid_->verticalHeader();
    for (int row = 0; row < manager_->rowCount(); ++row) {
        rows->resizeSection(row, manager_->rowHeight(row));
    }
    panels_[3]->setText(manager_->foundText());
    save_->setEnabled(manager_->unsaved());
}

void Tpromanagerfm::gridEdited() {
    save_->setEnabled(manager_->unsaved());
}

int Tpromanagerfm::currentRow() const {
    return grid_->currentIndex().isValid() ? grid_->currentIndex().row() : -1;
}

std::unique_ptr<QMenu> Tpromanagerfm::gridMenu() {
    if (!manager_->gridMenuPresent()) {
        return nullptr;
    }
    auto menu = std::make_unique<QMenu>();
    const QTreeWidgetItem* selected = tree_->currentItem();
    const bool onRow = manager_->row(currentRow()) != nullptr;
    QAction* add = menu->addAction(QStringLiteral("添加"), this, [this] {
        if (manager_->addProduct()) {
            showGrid();
        }
    });
    add->setEnabled(selected && nodeOf(selected).level == 2);
    QAction* edit = menu->addAction(QStringLiteral("编辑"), this, [this] {
        const int row = currentRow();
        if (manager_->editRow(row)) {
            grid_->verticalHeader()->resizeSection(row, manager_->rowHeight(row));
            grid_->setColumnWidth(ProductGridModel::Picture, manager_->pictureColumnWidth());
            model_->rowChanged(row);
        }
    });
    edit->setEnabled(onRow);
    QAction* remove = menu->addAction(QStringLiteral("删除"), this, [this] {
        const int row = currentRow();
        if (manager_->deleteRow(row)) {
            grid_->verticalHeader()->resizeSection(row, 0);
            model_->rowChanged(row);
        }
    });
    remove->setEnabled(onRow);
    return menu;
}
