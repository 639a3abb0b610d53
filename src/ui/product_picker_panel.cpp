#include "ui/product_picker_panel.h"

#include "platform/default_opener.h"
#include "quote/held_settings.h"
#include "ui/product_picker_panel_delegate.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int ListLeft = 5;
constexpr int ListHeight = 22;

void showNames(QComboBox* box, const QStringList& names, int selected) {
    const QSignalBlocker blocker(box);
    box->clear();
    box->addItems(names);
    box->setCurrentIndex(selected);
}

} // namespace

ProductPickerPanel::ProductPickerPanel(Database& library, Prompts* prompts, QWidget* parent)
    : QWidget(parent), picker_(library, prompts) {
    setObjectName(QStringLiteral("productPicker"));
    openInformation = [](const QString& address) { opener::openWithDefaultHandler(address); };
    picker_.selectionForgotten = [this] {
        if (selectionForgotten) {
            selectionForgotten();
        }
    };

    categoryPanel_ = new QWidget(this);
    catalogue_ = new QComboBox(categoryPanel_);
    catalogue_->setObjectName(QStringLiteral("catalogueBox"));
    catalogue_->addItems({QStringLiteral("通用版产品"), QStringLiteral("原产品")});
    catalogue_->setCurrentIndex(ProductPicker::OwnCatalogueEntry);
    top_ = new QComboBox(categoryPanel_);
    top_->setObjectName(QStringLiteral("topCategoryBox"));
    sub_ = new QComboBox(categoryPanel_);
    sub_->setObjectName(QStringLiteral("subCategoryBox"));

    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("productGrid"));
    grid_->setColumnCount(2);
    grid_->horizontalHeader()->setMinimumSectionSize(0);
    grid_->verticalHeader()->setMinimumSectionSize(0);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setShowGrid(false);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setItemDelegate(new ProductPickerDelegate(picker_, grid_));
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);

    search_ = new QComboBox(this);
    search_->setObjectName(QStringLiteral("searchBox"));
    search_->setEditable(true);
    search_->setInsertPolicy(QComboBox::NoInsert);
    // Keys reach the box, which hands them to its line edit directly, past any filter
    // on the line edit.
    search_->installEventFilter(this);
    searchButton_ = new QPushButton(QStringLiteral("搜索"), this);
    searchButton_->setObjectName(QStringLiteral("searchButton"));
    searchButton_->setFixedWidth(48);

    auto* searchRow = new QHBoxLayout;
    searchRow->setContentsMargins(2, 2, 2, 2);
    searchRow->addWidget(search_, 1);
    searchRow->addWidget(searchButton_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(categoryPanel_);
    column->addWidget(grid_, 1);
    column->addLayout(searchRow);

    connect(catalogue_, &QComboBox::currentIndexChanged, this, [this](int entry) {
        picker_.chooseCatalogue(entry);
        showLists(ListTop);
    });
    connect(top_, &QComboBox::currentIndexChanged, this, [this](int index) {
        picker_.selectTopCategory(index);
        showLists(ListSub);
    });
    connect(sub_, &QComboBox::currentIndexChanged, this, [this](int index) {
        picker_.selectSubCategory(index);
        showLists(ListGrid);
    });
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { rowSelected(current.row()); });
    connect(grid_, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        std::unique_ptr<QMenu> menu = popupMenu();
        menu->exec(grid_->viewport()->mapToGlobal(at));
    });
    connect(searchButton_, &QPushButton::clicked, this, [this] { search(); });

    placeCategoryLists();
    showGrid();
}

ProductPickerPanel::~ProductPickerPanel() = default;

void ProductPickerPanel::useSettings(HeldSettings& settings) {
    picker_.filter = {settings.products.normal, settings.products.outOfStock,
                      settings.products.discontinued};
    picker_.trueComp = settings.company.trueComp;
    picker_.compstyle = settings.company.compstyle;
    picker_.bindHistory(&settings.searchHistory);
    {
        const QSignalBlocker blocker(search_);
        search_->clear();
        search_->addItems(picker_.history());
        search_->setEditText({});
    }
    placeCategoryLists();
    reload();
}

void ProductPickerPanel::reload() {
    picker_.loadTopCategories();
    showLists(ListTop);
}

void ProductPickerPanel::forwardHooks() {
    picker_.fillPatternChosen = fillPatternChosen;
    picker_.orientationChosen = orientationChosen;
    picker_.priceEdit = priceEdit;
    picker_.addToStatistics = addToStatistics;
    picker_.openInformation = openInformation;
    picker_.popupOpening = popupOpening;
    picker_.activeRoom = activeRoom;
}

void ProductPickerPanel::showLists(int from) {
    // The list the user just changed keeps its entries.
    if (from <= ListTop) {
        showNames(top_, picker_.topCategories().names, picker_.topCategories().selected);
    }
    if (from <= ListSub) {
        showNames(sub_, picker_.subCategories().names, picker_.subCategories().selected);
    }
    showGrid();
}

void ProductPickerPanel::showGrid() {
    const QSignalBlocker blocker(grid_->selectionModel());
    grid_->clearSelection();
    grid_->setCurrentIndex({});
    grid_->setRowCount(picker_.rowCount());
    const PickerGridGeometry& geometry = picker_.geometry();
    for (int row = 0; row < picker_.rowCount(); ++row) {
        grid_->setRowHeight(row, geometry.rowHeights[row]);
    }
    grid_->setColumnWidth(1, geometry.pictureColumnWidth);
    // The grid spans the whole picker column, so the fit is taken at the column's width.
    const PickerGridFit fit = picker_.fit(geometry.pickerWidth);
    setFixedWidth(fit.pickerWidth);
    grid_->setColumnWidth(0, fit.spacerColumnWidth);
    placeCategoryLists();
}

void ProductPickerPanel::fitGrid() {
    grid_->setColumnWidth(0, picker_.fit(grid_->width()).spacerColumnWidth);
}

void ProductPickerPanel::placeCategoryLists() {
    catalogue_->setVisible(picker_.catalogueSelectorVisible());
    categoryPanel_->setFixedHeight(picker_.categoryPanelHeight());
    const std::vector<int> tops = picker_.categoryListTops();
    std::vector<QComboBox*> lists{top_, sub_};
    if (picker_.catalogueSelectorVisible()) {
        lists.insert(lists.begin(), catalogue_);
    }
    const int listWidth = std::max(0, width() - 10);
    for (size_t i = 0; i < lists.size(); ++i) {
        lists[i]->setGeometry(ListLeft, tops[i], listWidth, ListHeight);
    }
}

void ProductPickerPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeCategoryLists();
    fitGrid();
}

void ProductPickerPanel::rowSelected(int row) {
    forwardHooks();
    const PickerStatusTexts texts = picker_.chooseRow(row);
    TRoom_OBJ* room = activeRoom ? activeRoom() : nullptr;
    const bool replaceTool = room && picker_.applyChoice(*room);
    if (rowChosen) {
        rowChosen(texts, replaceTool);
    }
}

void ProductPickerPanel::search() {
    picker_.search(search_->currentText());
    const QString text = search_->currentText();
    {
        const QSignalBlocker blocker(search_);
        search_->clear();
        search_->addItems(picker_.history());
        search_->setEditText(text);
    }
    showGrid();
}

bool ProductPickerPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search_ && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            search();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
