#include "ui/tmainfm.h"

#include "design/design_workspace.h"
#include "platform/default_opener.h"
#include "quote/bill_of_materials.h"
#include "quote/open_project.h"
#include "quote/program_version.h"
#include "quote/reports.h"
#include "quote/setup_file.h"
#include "quote/startup_session.h"
#include "store/customer_store.h"
#include "ui/customer_page.h"
#include "ui/design_statistics_panel.h"
#include "ui/key_filter.h"
#include "ui/main_actions.h"
#include "ui/main_autosave.h"
#include "ui/main_bill_edits.h"
#include "ui/main_drawings.h"
#include "ui/main_maintenance.h"
#include "ui/main_project_view.h"
#include "ui/product_picker_panel.h"
#include "ui/qt_wall_dialogs.h"
#include "ui/room_canvas_widget.h"
#include "ui/tnewroomfm.h"
#include "ui/tool_bar_icons.h"
#include "ui/tsetrectroomfm.h"
#include "ui/window_geometry.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// The wall tool buttons: edit mode and tool of the active room.
struct WallToolButton {
    const char* name;
    quint8 editMode;
    quint8 tool;
};
constexpr WallToolButton wallToolButtons[] = {
    {"N70", EditAdjustWalls, ToolDrawWalls},
    {"N72", EditSplitWalls, ToolEditWalls},
    {"N9", EditAdjustWalls, ToolEditWalls},
    {"N3", EditAdjustWalls, ToolMoveRoomArmed},
};

// The wall tool bar shows the flags and the wall tool of the room.
void showWallFlags(MainActions& actions, QWidget& window, const TRoom_OBJ& room) {
    actions[QStringLiteral("lockxy")]->setChecked(room.snapRulerX || room.snapRulerY);
    actions[QStringLiteral("usectrl")]->setChecked(room.angleSnap);
    actions[QStringLiteral("lockbt")]->setChecked(room.lockCanvas);
    if (auto* box = window.findChild<QCheckBox*>(QStringLiteral("sCheckBox1"))) {
        box->setChecked(room.fixedLength);
    }
    for (const WallToolButton& button : wallToolButtons) {
        const bool moving = room.tool == ToolMoveRoom && button.tool == ToolMoveRoomArmed;
        if ((room.tool == button.tool || moving) && room.editMode == button.editMode) {
            actions[QString::fromUtf8(button.name)]->setChecked(true);
        }
    }
}

} // namespace

Tmainfm::Tmainfm(StartupSession& session, Prompts& prompts, ClosingSequence::Clock clock)
    : session_(session), prompts_(prompts), closing_(session.setup(), prompts, clock),
      actions_(std::make_unique<MainActions>(*this)) {
    setObjectName(QStringLiteral("mainfm"));
    setWindowTitle(applicationTitle());
    resize(1280, 860);
    buildWorkArea();
    buildStatusBar();
    buildFixedLength();
    wireRoomCommands();
    wireDesignCommands();
    wireDesignOptions();
    installKeyFilter();
    wirePicker();
    buildProject();
    wireProjectCommands();
    wireExchange();
    wireReports();
    wireCutting();
    wireClosing();
    wireLegacyImport();
    wireDrawingExports(*this, session_.path(QStringLiteral("导出文件")), prompts_);
    wireView3D();
    maintenance_ = std::make_unique<MainMaintenance>(*this, session_, prompts_, std::move(clock));
    billEdits_ = std::make_unique<MainBillEdits>(*this, *bill_, session_.library());
    connect((*actions_)[QStringLiteral("exit")], &QAction::triggered, this, &QWidget::close);
    connect((*actions_)[QStringLiteral("statistics")], &QAction::triggered, this,
            [this] { showStatistics(); });
}

Tmainfm::~Tmainfm() {
    // No key or pointer event reaches the workspace while the window comes apart.
    qApp->removeEventFilter(keyFilter_);
    FormDestroy();
}

QLabel* Tmainfm::statusPanel(int index) const {
    return (index >= 0 && index < StatusPanels) ? panels_[index] : nullptr;
}

void Tmainfm::buildWorkArea() {
    workArea_ = new QStackedWidget(this);
    workArea_->setObjectName(QStringLiteral("workArea"));
    startPanel_ = buildStartPanel();
    pages_ = new QTabWidget(workArea_);
    pages_->setObjectName(QStringLiteral("sPageControl1"));
    pages_->setDocumentMode(true);
    auto* customerPage = new QWidget(pages_);
    customerPage->setObjectName(QStringLiteral("customerPage"));
    pages_->addTab(customerPage, QStringLiteral("客户信息"));
    connect(pages_, &QTabWidget::currentChanged, this, [this] { sPageControl1Change(); });
    canvas_ = new RoomCanvasWidget(session_.cursors(), customerPage);
    canvas_->hide();
    canvas_->setParentNotifier([this] { refreshFromRoom(); });
    workArea_->addWidget(startPanel_);
    QWidget* project = buildProjectArea();
    project->layout()->addWidget(pages_);
    workArea_->addWidget(project);
    setCentralWidget(workArea_);
}

// The start panel in place of the web pane: the program and the vendor's address.
QWidget* Tmainfm::buildStartPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("startPanel"));
    auto* layout = new QVBoxLayout(panel);
    layout->addStretch(2);
    auto* title = new QLabel(applicationTitle(), panel);
    QFont big = title->font();
    big.setPointSize(big.pointSize() * 2 + 4);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(QStringLiteral("V") + programVersion(), panel);
    version->setAlignment(Qt::AlignCenter);
    auto* link = new QLabel(panel);
    homeLink_ = link;
    link->setObjectName(QStringLiteral("homeLink"));
    link->setTextFormat(Qt::RichText);
    link->setAlignment(Qt::AlignCenter);
    connect(link, &QLabel::linkActivated, this,
            [](const QString& address) { opener::openWithDefaultHandler(address); });
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(link);
    layout->addStretch(3);
    return panel;
}

void Tmainfm::buildStatusBar() {
    // 0 free, 1..4 the picker's product, 5 the tool's text, 6 the zoom, 7 the wall tools' hint.
    const int widths[StatusPanels] = {0, 160, 110, 90, 90, 120, 70, 280};
    for (int i = 0; i < StatusPanels; ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("statusPanel%1").arg(i));
        panel->setMinimumWidth(widths[i]);
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panels_[i] = panel;
        if (i == 0) {
            statusBar()->addWidget(panel, 1);
        } else {
            statusBar()->addPermanentWidget(panel);
        }
    }
}

void Tmainfm::showNotice(const QString& text) {
    constexpr int NoticeMilliseconds = 15000;
    statusBar()->showMessage(text, NoticeMilliseconds);
}

// "固定长度": the wall tools' fixed length, kept in the settings at exit.
void Tmainfm::buildFixedLength() {
    QToolBar* bar = actions_->wallToolBar();
    bar->addSeparator();
    auto* box = new QCheckBox(QStringLiteral("固定长度"), bar);
    box->setObjectName(QStringLiteral("sCheckBox1"));
    box->setEnabled(false); // switched by the wall tools of the active room
    fixedLength_ = new QSpinBox(bar);
    fixedLength_->setObjectName(QStringLiteral("sSpinEdit1"));
    fixedLength_->setRange(5, 100);
    fixedLength_->setSuffix(QStringLiteral(" 厘米"));
    fixedLength_->setValue(session_.held().glen);
    connect(fixedLength_, &QSpinBox::valueChanged, this,
            [this](int value) { session_.held().glen = value; });
    bar->addWidget(box);
    bar->addWidget(fixedLength_);
}

bool Tmainfm::initDB() {
    return session_.initDB(prompts_);
}

bool Tmainfm::FormCreate() {
    setWindowTitle(mainWindowCaption());
    if (!initDB()) {
        return false;
    }
    giveToolBarIcons(*actions_, session_.cursors(), *style());
    maintenance_->reloadNameLists();
    project_->edgeTrimReady = true;
    (*actions_)[QStringLiteral("savebt")]->setEnabled(false);
    picker_->useSettings(session_.held());
    TRoom_OBJ::setWebAddress(session_.held().company.url);
    const QString url = session_.held().company.url.toHtmlEscaped();
    homeLink_->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(url));
    const HeldSettings& held = session_.held();
    if (held.autoCreateRoom) {
        NewRoomRequest request;
        request.name = QStringLiteral("新房间");
        request.columnWidth = held.gw;
        request.rowHeight = held.gh;
        request.roomMode = SquarePanelRoom;
        CreatNewRoom(request);
        // The wall drawing tool.
        active_->editMode = EditAdjustWalls;
        active_->setTool(ToolDrawWalls);
        // Nothing to undo yet, as after the new-room command.
        active_->startHistory();
        (*actions_)[QStringLiteral("N70")]->setChecked(true);
        refreshWorkspace();
    } else {
        pages_->setCurrentIndex(0);
        sPageControl1Change();
    }
    // The start panel stands in the web pane's place until a project area is needed.
    if (project_->room_list.empty() && held.runIE) {
        workArea_->setCurrentWidget(startPanel_);
    } else {
        showProjectArea();
    }
    window_geometry::restore(*this, session_.setup().profile(), QStringLiteral("main"));
    started_ = true;
    return true;
}

void Tmainfm::CreatNewRoom(const NewRoomRequest& request) {
    project_->CreatNewRoom(request);
}

const std::vector<RoomEntry>& Tmainfm::rooms() const {
    return project_->room_list;
}

bool Tmainfm::projectEdited() const {
    return project_->edited();
}

void Tmainfm::showProjectArea() {
    workArea_->setCurrentWidget(projectArea_);
    (*actions_)[QStringLiteral("statistics")]->setEnabled(true);
}

void Tmainfm::disposOBJ() {
    project_->clearPROOMLIST();
    canvas_->setRoom(nullptr);
    active_ = nullptr;
}

void Tmainfm::FormDestroy() {
    if (destroyed_) {
        return;
    }
    destroyed_ = true;
    disposOBJ();
    if (!started_) {
        return;
    }
    if (auto* newRoom =
            dynamic_cast<TNewRoomFM*>(findChild<QDialog*>(QStringLiteral("newroomfm")))) {
        newRoom->FormDestroy(session_.setup());
    }
    const HeldSettings& held = session_.held();
    closing_.writeExitSettings(held.glen, held.searchHistory);
    window_geometry::keep(*this, session_.setup().profile(), QStringLiteral("main"));
}

void Tmainfm::showStatistics() {
    showProjectArea();
    if (pages_->currentIndex() == 0) {
        sPageControl1Change(); // the customer page is shown already: count again
    } else {
        pages_->setCurrentIndex(0);
    }
}

void Tmainfm::sPageControl1Change() {
    TRoom_OBJ* leaving = active_;
    if (leaving) {
        leaving->stopScrollTimer();
    }
    const int index = pages_->currentIndex();
    active_ = (index >= 1 && index <= int(project_->room_list.size()))
                  ? project_->room_list[std::size_t(index - 1)].room.get()
                  : nullptr;
    workspace::carrySelection(leaving, active_, pickerSelection());
    canvas_->setRoom(active_);
    for (const char* name : {"zoomIn", "zoomOut", "centreView", "modeRoom", "modeDesign",
                             "ToolButton10", "ToolButton27", "sButton2", "notCounted"}) {
        (*actions_)[QString::fromUtf8(name)]->setEnabled(active_ != nullptr);
    }
    (*actions_)[QStringLiteral("notCounted")]->setChecked(active_ && active_->not_Cacl);
    refreshReportCommands();
    if (!active_) {
        customerPage_->fillRoomChecks();
        bill_->total();
        canvas_->hide();
        statisticsPanel_->hide();
        actions_->wallToolBar()->setVisible(false);
        actions_->designToolBar()->setVisible(false);
        refreshFromRoom();
        return;
    }
    showRoomInPage();
    active_->setCanvas(canvas_);
    active_->wallDialogs =
        dynamic_cast<WallDialogs*>(findChild<QObject*>(QStringLiteral("wallDialogs")));
    showWallFlags(*actions_, *this, *active_);
    active_->statisticsRefresh();
    active_->paint();
    // The mode button is clicked as the room's edit mode says.
    const bool design = active_->editMode == EditDesign;
    (*actions_)[design ? QStringLiteral("modeDesign") : QStringLiteral("modeRoom")]->trigger();
    refreshFromRoom();
}

void Tmainfm::refreshFromRoom() {
    refreshWorkspace();
}

void Tmainfm::showWallButtons() {
    if (active_ && active_->editMode != EditDesign) {
        showWallFlags(*actions_, *this, *active_);
    }
}

void Tmainfm::wireRoomCommands() {
    const auto onRoom = [this](const char* name, std::function<void(TRoom_OBJ&)> command) {
        connect((*actions_)[QString::fromUtf8(name)], &QAction::triggered, this,
                [this, command = std::move(command)] {
                    if (active_) {
                        command(*active_);
                        refreshFromRoom();
                    }
                });
    };
    onRoom("zoomIn", [](TRoom_OBJ& room) { room.zoomIn(); });
    onRoom("zoomOut", [](TRoom_OBJ& room) { room.zoomOut(); });
    onRoom("centreView", [](TRoom_OBJ& room) { room.centreView(); });

    // The wall commands.
    auto* wallDialogs = new QtWallDialogs(this);
    wallDialogs->setObjectName(QStringLiteral("wallDialogs"));
    auto* newRoom = new TNewRoomFM(session_.held().newRoom, this);
    auto* rectangle = new TSETRECTROOMFM(this);
    const auto action = [this](const char* name) {
        QAction* a = (*actions_)[QString::fromUtf8(name)];
        a->setEnabled(true);
        return a;
    };
    connect(action("N11"), &QAction::triggered, this, [this, newRoom] {
        const std::optional<NewRoomRequest> request = newRoom->ask();
        if (!request) {
            return;
        }
        newRoom->writeDefaults(session_.setup());
        CreatNewRoom(*request);
        if (!active_) {
            return;
        }
        const bool withWalls = request->rectangleWidth != 0 && request->rectangleHeight != 0;
        active_->editMode = EditAdjustWalls;
        active_->setTool(withWalls ? ToolEditWalls : ToolDrawWalls);
        (*actions_)[QString::fromUtf8(withWalls ? "N9" : "N70")]->setChecked(true);
        active_->startHistory();
        active_->roomModified = true;
        project_->setRoomProjectedited(true);
        active_->paint();
        refreshFromRoom();
    });
    for (const WallToolButton& button : wallToolButtons) {
        QAction* a = action(button.name);
        connect(a, &QAction::triggered, this, [this, a, button] {
            if (!active_ || !a->isChecked()) {
                return;
            }
            active_->editMode = button.editMode;
            active_->setTool(button.tool);
            active_->paint();
            refreshFromRoom();
        });
    }
    onRoom("N71", [this, rectangle](TRoom_OBJ& room) {
        const std::optional<QSize> size = rectangle->ask();
        if (!size) {
            return;
        }
        room.makeRectangle(size->width(), size->height());
        room.roomModified = true;
        project_->setRoomProjectedited(true);
        (*actions_)[QStringLiteral("N9")]->setChecked(true);
        room.editMode = EditAdjustWalls;
        room.setTool(ToolEditWalls);
        room.paint();
    });
    // In design mode the command clears the products and keeps the walls.
    onRoom("N73", [](TRoom_OBJ& room) { room.clearWalls(); });
    onRoom("changeRoomMode", [this](TRoom_OBJ& room) {
        room.changeRoomMode(TRoom_OBJ::ModeChangeEntry::ModeOnly);
        pages_->setTabText(pages_->currentIndex(), room.getName());
    });
    onRoom("lockxy", [this](TRoom_OBJ& room) {
        room.snapRulerX = room.snapRulerY = (*actions_)[QStringLiteral("lockxy")]->isChecked();
    });
    onRoom("usectrl", [this](TRoom_OBJ& room) {
        room.angleSnap = (*actions_)[QStringLiteral("usectrl")]->isChecked();
    });
    onRoom("lockbt", [this](TRoom_OBJ& room) {
        room.lockCanvas = (*actions_)[QStringLiteral("lockbt")]->isChecked();
        room.paint();
    });
    for (const char* name : {"N71", "N73", "changeRoomMode", "lockxy", "usectrl", "lockbt"}) {
        action(name);
    }
    auto* fixedBox = findChild<QCheckBox*>(QStringLiteral("sCheckBox1"));
    fixedBox->setEnabled(true);
    connect(fixedBox, &QCheckBox::clicked, this, [this](bool checked) {
        if (active_) {
            active_->fixedLength = checked;
            active_->fixedLengthCm = fixedLength_->value();
        }
    });
    connect(fixedLength_, &QSpinBox::valueChanged, this, [this, fixedBox](int value) {
        if (active_ && fixedBox->isChecked()) {
            active_->fixedLengthCm = value;
        }
    });
}
