#include "ui/tmainfm.h"

#include "platform/default_opener.h"
#include "quote/program_version.h"
#include "quote/startup_session.h"
#include "ui/main_actions.h"
#include "ui/room_canvas_widget.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

Tmainfm::Tmainfm(StartupSession& session, Prompts& prompts, ClosingSequence::Clock clock)
    : session_(session), prompts_(prompts), closing_(session.setup(), prompts, std::move(clock)),
      actions_(std::make_unique<MainActions>(*this)) {
    setObjectName(QStringLiteral("mainfm"));
    setWindowTitle(applicationTitle());
    resize(1280, 860);
    buildWorkArea();
    buildStatusBar();
    buildFixedLength();
    wireRoomCommands();
    connect((*actions_)[QStringLiteral("exit")], &QAction::triggered, this, &QWidget::close);
    connect((*actions_)[QStringLiteral("statistics")], &QAction::triggered, this,
            [this] { showStatistics(); });
}

Tmainfm::~Tmainfm() {
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
    workArea_->addWidget(pages_);
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
    // 0 hint, 1..4 the picker's product, 5 the tool's text, 6 the zoom, 7 the wall note.
    const int widths[StatusPanels] = {0, 160, 110, 90, 90, 120, 70, 160};
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
    (*actions_)[QStringLiteral("savebt")]->setEnabled(false);
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
        active_->recordStep();
        (*actions_)[QStringLiteral("N70")]->setChecked(true);
    } else {
        pages_->setCurrentIndex(0);
        sPageControl1Change();
    }
    // The start panel stands in the web pane's place until a project area is needed.
    if (room_list.empty() && held.runIE) {
        workArea_->setCurrentWidget(startPanel_);
    } else {
        showProjectArea();
    }
    started_ = true;
    return true;
}

void Tmainfm::CreatNewRoom(const NewRoomRequest& request) {
    showProjectArea();
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("roomPage"));
    auto* layout = new QVBoxLayout(page);
    // The canvas is the work area less 20 pixels each way.
    layout->setContentsMargins(10, 10, 10, 10);

    RoomContext context;
    context.canvas = canvas_;
    context.library = &session_.library();
    context.prompts = &prompts_;
    context.initialPaperWidth = std::max(1, workArea_->width() - 20);
    context.minimumCoverage = session_.held().project.minCoverage;
    context.undoLimit = session_.held().history;
    RoomEntry entry = ::CreatNewRoom(context, request);
    int index = 0;
    {
        const QSignalBlocker detached(pages_);
        index = pages_->addTab(page, entry.room->getName());
        room_list.push_back(std::move(entry));
    }
    pages_->setCurrentIndex(index);
}

void Tmainfm::showProjectArea() {
    workArea_->setCurrentWidget(pages_);
}

void Tmainfm::disposOBJ() {
    canvas_->setRoom(nullptr);
    active_ = nullptr;
    while (!room_list.empty()) {
        room_list.back().room->setCanvas(nullptr);
        room_list.pop_back();
    }
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
    const HeldSettings& held = session_.held();
    closing_.writeExitSettings(held.glen, held.searchHistory);
}

void Tmainfm::settingsPushed() {
    fixedLength_->setValue(session_.held().glen);
}

void Tmainfm::showStatistics() {
    showProjectArea();
    pages_->setCurrentIndex(0);
}

void Tmainfm::sPageControl1Change() {
    if (active_) {
        if (active_->currentProduct.id >= 0) {
            pickerSelection_ = active_->currentProduct;
        }
        active_->stopScrollTimer();
    }
    const int index = pages_->currentIndex();
    active_ =
        (index >= 1 && index <= int(room_list.size())) ? room_list[index - 1].room.get() : nullptr;
    canvas_->setRoom(active_);
    for (const char* name : {"zoomIn", "zoomOut", "centreView"}) {
        (*actions_)[QString::fromUtf8(name)]->setEnabled(active_ != nullptr);
    }
    if (!active_) {
        canvas_->hide();
        (*actions_)[QStringLiteral("undo")]->setEnabled(false);
        (*actions_)[QStringLiteral("redo")]->setEnabled(false);
        refreshFromRoom();
        return;
    }
    pages_->currentWidget()->layout()->addWidget(canvas_);
    canvas_->show();
    active_->setCanvas(canvas_);
    active_->currentProduct = pickerSelection_;
    active_->paint();
    const bool design = active_->editMode == EditDesign;
    (*actions_)[design ? QStringLiteral("modeDesign") : QStringLiteral("modeRoom")]->setChecked(
        true);
    actions_->wallToolBar()->setVisible(!design);
    actions_->designToolBar()->setVisible(design);
    refreshFromRoom();
}

void Tmainfm::refreshFromRoom() {
    panels_[0]->setText(active_ ? active_->hintText : QString());
    panels_[6]->setText(active_ ? QString::number(active_->zoom * 10) + u'%' : QString());
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
}

void Tmainfm::closeEvent(QCloseEvent* event) {
    if (closing_.FormCloseQuery()) {
        event->accept();
    } else {
        event->ignore();
    }
}
