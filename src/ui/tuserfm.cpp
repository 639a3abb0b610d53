#include "ui/tuserfm.h"

#include "library/product_library.h"
#include "platform/picture.h"
#include "platform/pinyin_order.h"
#include "quote/startup_session.h"
#include "store/customer_browser.h"
#include "store/customer_store.h"
#include "ui/room_preview.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QAction* action(QWidget* owner, const char* name, const char* caption) {
    auto* a = new QAction(QString::fromUtf8(caption), owner);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QComboBox* box(QWidget* parent, const char* name) {
    auto* b = new QComboBox(parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

TUserFM::TUserFM(StartupSession& session, CustomerStore& store, Prompts& prompts, QWidget* parent)
    : QDialog(parent), session_(session), store_(store), prompts_(prompts),
      library_(std::make_unique<ProductLibrary>(session.library())),
      browser_(std::make_unique<CustomerBrowser>(store, *library_, prompts,
                                                 session.held().company.compid)) {
    setObjectName(QStringLiteral("userfm"));
    setWindowTitle(QStringLiteral("客户"));
    resize(1000, 680);
    QDir(session.programFolder()).mkpath(QStringLiteral("导出文件"));
    auto* layout = new QVBoxLayout(this);
    buildCommands();
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addActions({new_, open_, edit_, delete_});
    bar->addWidget(modeButton_);
    bar->addSeparator();
    bar->addActions({exportCustomer_, importCustomer_, exportList_});
    layout->addWidget(bar);
    layout->addWidget(buildSearchBar());
    auto* split = new QSplitter(Qt::Horizontal, this);
    areaPanel_ = new QListWidget(split);
    areaPanel_->setObjectName(QStringLiteral("areaPanel"));
    areaPanel_->setMaximumWidth(180);
    auto* right = new QSplitter(Qt::Vertical, split);
    right->addWidget(buildLists());
    right->addWidget(buildDetails());
    split->addWidget(areaPanel_);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    layout->addWidget(split, 1);
    auto* status = new QStatusBar(this);
    for (QLabel*& label : status_) {
        label = new QLabel(status);
        status->addWidget(label, 1);
    }
    layout->addWidget(status);
    wire();
    enableCommands();
}

TUserFM::~TUserFM() = default;

void TUserFM::buildCommands() {
    new_ = action(this, "newCustomer", "新建");
    open_ = action(this, "openCustomer", "打开");
    edit_ = action(this, "editCustomer", "编辑");
    delete_ = action(this, "deleteCustomer", "删除");
    exportCustomer_ = action(this, "exportCustomer", "导出客户项目");
    importCustomer_ = action(this, "importCustomer", "导入客户项目");
    exportList_ = action(this, "exportList", "导出全部客户信息");
    importRoom_ = action(this, "importRoom", "导入房间");
    bigger_ = action(this, "bigger", "大");
    smaller_ = action(this, "smaller", "小");
    modeButton_ = new QToolButton(this);
    modeButton_->setObjectName(QStringLiteral("displayMode"));
    modeButton_->setText(QStringLiteral("查看"));
    modeButton_->setPopupMode(QToolButton::MenuButtonPopup);
    auto* modes = new QMenu(modeButton_);
    for (const auto& [caption, mode] :
         {std::pair{"客户名", 2}, std::pair{"项目编号", 1}, std::pair{"详细列表", 0}}) {
        connect(modes->addAction(QString::fromUtf8(caption)), &QAction::triggered, this,
                [this, mode] { setMode(mode); });
    }
    modeButton_->setMenu(modes);
    connect(modeButton_, &QToolButton::clicked, this,
            [this] { setMode((browser_->list().mode() + 1) % 3); });
}

QWidget* TUserFM::buildSearchBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    searchText_ = box(bar, "searchText");
    searchText_->setEditable(true);
    searchText_->setInsertPolicy(QComboBox::NoInsert);
    searchText_->setMinimumWidth(180);
    searchField_ = box(bar, "searchField");
    searchField_->addItems({QString(), QStringLiteral("项目编号"), QStringLiteral("用户名"),
                            QStringLiteral("电话"), QStringLiteral("地址")});
    searchArea_ = box(bar, "searchArea");
    auto* find = new QPushButton(QStringLiteral("查"), bar);
    find->setObjectName(QStringLiteral("search"));
    auto* all = new QPushButton(QStringLiteral("全"), bar);
    all->setObjectName(QStringLiteral("showAll"));
    row->addWidget(new QLabel(QStringLiteral("查找："), bar));
    row->addWidget(searchText_);
    row->addWidget(searchField_);
    row->addWidget(searchArea_);
    row->addWidget(find);
    row->addWidget(all);
    row->addStretch();
    connect(find, &QPushButton::clicked, this, [this] { searchClicked(); });
    connect(all, &QPushButton::clicked, this, [this] {
        browser_->showAll();
        showList();
    });
    return bar;
}

QWidget* TUserFM::buildLists() {
    views_ = new QStackedWidget(this);
    views_->setObjectName(QStringLiteral("customerViews"));
    table_ = new QTableView(views_);
    table_->setObjectName(QStringLiteral("customerTable"));
    table_->setModel(&browser_->list());
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    // A heading click sorts by its column; until then the list is newest first.
    table_->horizontalHeader()->setSortIndicator(CustomerListModel::Number, Qt::DescendingOrder);
    table_->setSortingEnabled(true);
    icons_ = new QListView(views_);
    icons_->setObjectName(QStringLiteral("customerIcons"));
    icons_->setViewMode(QListView::IconMode);
    icons_->setResizeMode(QListView::Adjust);
    icons_->setModel(&browser_->list());
    icons_->setSelectionModel(table_->selectionModel());
    icons_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    views_->addWidget(table_);
    views_->addWidget(icons_);
    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(table_), static_cast<QAbstractItemView*>(icons_)}) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QAbstractItemView::customContextMenuRequested, this,
                [this, view](const QPoint& at) {
                    QMenu menu;
                    for (const auto& [command, caption] :
                         {std::pair{new_, "新建客户"}, std::pair{open_, "打开客户"},
                          std::pair{edit_, "编辑客户"}, std::pair{delete_, "删除客户"}}) {
                        QAction* item = menu.addAction(QString::fromUtf8(caption));
                        item->setEnabled(command->isEnabled());
                        connect(item, &QAction::triggered, command, &QAction::trigger);
                    }
                    menu.exec(view->viewport()->mapToGlobal(at));
                });
        connect(view, &QAbstractItemView::doubleClicked, this, [this] { open_->trigger(); });
    }
    return views_;
}

QWidget* TUserFM::buildDetails() {
    auto* details = new QSplitter(Qt::Horizontal, this);
    auto* roomSide = new QWidget(details);
    auto* roomColumn = new QVBoxLayout(roomSide);
    roomColumn->setContentsMargins(0, 0, 0, 0);
    rooms_ = new QListWidget(roomSide);
    rooms_->setObjectName(QStringLiteral("rooms"));
    rooms_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* roomMenuImport = action(rooms_, "importRoomMenu", "导入房间到当前设计客户");
    connect(roomMenuImport, &QAction::triggered, importRoom_, &QAction::trigger);
    connect(importRoom_, &QAction::changed, roomMenuImport, [this, roomMenuImport] {
        roomMenuImport->setEnabled(importRoom_->isEnabled());
        roomMenuImport->setVisible(importRoom_->isVisible());
    });
    rooms_->addAction(roomMenuImport);
    auto* roomButtons = new QToolBar(roomSide);
    roomButtons->setToolButtonStyle(Qt::ToolButtonTextOnly);
    roomButtons->addActions({importRoom_, bigger_, smaller_});
    roomColumn->addWidget(rooms_, 1);
    roomColumn->addWidget(roomButtons);
    tabs_ = new QTabWidget(details);
    tabs_->setObjectName(QStringLiteral("detailTabs"));
    preview_ = new RoomPreview(tabs_);
    summary_ = new QTreeWidget(tabs_);
    summary_->setObjectName(QStringLiteral("projectSummary"));
    summary_->setRootIsDecorated(false);
    summary_->setHeaderLabels({QStringLiteral("产品"), QStringLiteral("数量"),
                               QStringLiteral("修正"), QStringLiteral("单价（元）"),
                               QStringLiteral("金额（元）")});
    tabs_->addTab(preview_, preview_->zoom().caption());
    tabs_->addTab(summary_, QStringLiteral("项目汇总"));
    preview_->onCaption = [this](const QString& caption) {
        tabs_->setTabText(tabs_->indexOf(preview_), caption);
    };
    details->addWidget(roomSide);
    details->addWidget(tabs_);
    details->setStretchFactor(1, 1);
    return details;
}

void TUserFM::wire() {
    connect(new_, &QAction::triggered, this, [this] { newCustomer(); });
    connect(open_, &QAction::triggered, this, [this] { openCustomer(); });
    connect(edit_, &QAction::triggered, this, [this] { editCustomer(); });
    connect(delete_, &QAction::triggered, this, [this] { deleteCustomer(); });
    connect(exportList_, &QAction::triggered, this, [this] { exportList(); });
    connect(importRoom_, &QAction::triggered, this, [this] { importRoom(); });
    connect(exportCustomer_, &QAction::triggered, this, [this] {
        if (onExportCustomer && selectedCustomer() >= 0) {
            onExportCustomer(selectedCustomer());
        }
    });
    connect(importCustomer_, &QAction::triggered, this, [this] {
        if (onImportCustomer) {
            onImportCustomer();
        }
    });
    connect(bigger_, &QAction::triggered, preview_, &RoomPreview::bigger);
    connect(smaller_, &QAction::triggered, preview_, &RoomPreview::smaller);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { customerChosen(); });
    connect(rooms_, &QListWidget::itemSelectionChanged, this, [this] { roomChosen(); });
    connect(rooms_, &QListWidget::itemDoubleClicked, this, [this] { renameRoom(); });
    connect(areaPanel_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { areaClicked(areaPanel_->row(item)); });
}

void TUserFM::showModal(bool roomImport) {
    roomImport_ = roomImport;
    importRoom_->setVisible(roomImport);
    reloadAreas();
    browser_->setCompany(session_.held().company.compid);
    browser_->showAll();
    showList();
    exec();
}

void TUserFM::reloadAreas() {
    const auto namesOf = [this](NameList list) {
        QStringList names;
        for (const NamedEntry& entry : store_.names(list)) {
            names << entry.name.trimmed();
        }
        return names;
    };
    areas_ = namesOf(NameList::Areas);
    handlers_ = namesOf(NameList::Handlers);
    sortInPinyinOrder(areas_);
    areaPanel_->clear();
    areaPanel_->addItem(QStringLiteral("  全部小区"));
    searchArea_->clear();
    searchArea_->addItem(QStringLiteral("     "));
    for (const QString& area : areas_) {
        areaPanel_->addItem(QStringLiteral("  ") + area);
        searchArea_->addItem(QStringLiteral("  ") + area);
    }
}

void TUserFM::setMode(int mode) {
    browser_->list().setMode(CustomerListModel::Mode(mode));
    views_->setCurrentWidget(mode == 0 ? static_cast<QWidget*>(table_) : icons_);
}

void TUserFM::showList() {
    // The rows show at once; the counts and sums follow once the window has painted them.
    QTimer::singleShot(0, this, [this] { showStatus(); });
    customerChosen();
}

void TUserFM::showStatus() {
    const QStringList texts = browser_->summary().texts();
    for (int i = 0; i < 4; ++i) {
        status_[i]->setText(texts[i]);
    }
}

void TUserFM::enableCommands() {
    const bool customer = selectedCustomer() >= 0;
    open_->setEnabled(customer && onOpen);
    edit_->setEnabled(customer);
    delete_->setEnabled(customer);
    exportCustomer_->setEnabled(customer && onExportCustomer);
    importCustomer_->setEnabled(bool(onImportCustomer));
    importRoom_->setEnabled(roomImport_ && selectedRoom() >= 0 && onImportRoom);
}

qint32 TUserFM::selectedCustomer() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : browser_->list().idAt(rows.first().row());
}

qint32 TUserFM::selectedRoom() const {
    const QListWidgetItem* item = rooms_->currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toInt() : -1;
}

void TUserFM::customerChosen() {
    browser_->select(selectedCustomer());
    showSelection();
}

void TUserFM::showSelection() {
    rooms_->clear();
    preview_->setPicture({});
    summary_->clear();
    for (const SummaryRow& row : browser_->projectSummary()) {
        new QTreeWidgetItem(summary_, QStringList{row.caption} + row.values);
    }
    static const QStyle::StandardPixmap modeIcons[] = {QStyle::SP_FileDialogListView,
                                                       QStyle::SP_ToolBarVerticalExtensionButton,
                                                       QStyle::SP_ToolBarHorizontalExtensionButton};
    for (const RoomRecord& room : browser_->rooms()) {
        auto* item = new QListWidgetItem(
            style()->standardIcon(modeIcons[std::clamp(room.roomstyle, 0, 2)]), room.title, rooms_);
        item->setData(Qt::UserRole, room.id);
    }
    enableCommands();
}

void TUserFM::roomChosen() {
    enableCommands();
    const qint32 room = selectedRoom();
    if (room >= 0) {
        preview_->setPicture(picture::decodeJpeg(store_.roomPicture(room)));
    }
}
