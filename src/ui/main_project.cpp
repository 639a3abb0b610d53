// The open project in the main window: the customer page, the customer commands of the
// file menu and tool bar (新建, 打开, 保存, 另存为, 关闭客户) and the room commands
// (删除, 复制, 导入, 更新名称, 不参加项目统计).

#include "platform/database.h"
#include "platform/prompts.h"
#include "quote/bill_of_materials.h"
#include "quote/open_project.h"
#include "quote/startup_session.h"
#include "store/customer_store.h"
#include "ui/customer_page.h"
#include "ui/design_statistics_panel.h"
#include "ui/main_actions.h"
#include "ui/main_project_view.h"
#include "ui/room_canvas_widget.h"
#include "ui/tmainfm.h"
#include "ui/tuserfm.h"

#include <QAction>
#include <QProgressBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTime>
#include <QVBoxLayout>

void Tmainfm::buildProject() {
    store_ = std::make_unique<CustomerStore>(session_.store());
    projectView_ = std::make_unique<MainProjectView>(*this);
    QWidget* customerTab = pages_->widget(0);
    auto* layout = new QVBoxLayout(customerTab);
    project_ = std::make_unique<OpenProject>(*store_, session_.held(), session_.setup(), prompts_,
                                             *projectView_);
    bill_ =
        std::make_unique<BillOfMaterials>(*project_, session_.library(), prompts_, *projectView_);
    customerPage_ = new CustomerPage(*project_, *bill_, session_.held(), customerTab);
    layout->addWidget(customerPage_);
    customerPage_->onRoomChecksChanged = [this] {
        for (std::size_t i = 0; i < project_->room_list.size(); ++i) {
            showRoomIcon(int(i));
        }
        showStatistics();
    };
    saveProgress_ = new QProgressBar(this);
    saveProgress_->setObjectName(QStringLiteral("saveProgress"));
    saveProgress_->setMaximumWidth(200);
    saveProgress_->hide();
    statusBar()->addWidget(saveProgress_);
    browser_ = new TUserFM(session_, *store_, prompts_, this);
    browser_->onOpen = [this](qint32 id) {
        showProjectArea();
        const bool opened = project_->openproject(id);
        if (opened) {
            setCustomerCommands(true);
        }
        return opened;
    };
    browser_->onImportRoom = [this](qint32 roomId) { project_->importRoom(roomId); };
}

OpenProject& Tmainfm::project() {
    return *project_;
}

bool Tmainfm::edgeTrimReady() const {
    return project_->edgeTrimReady;
}

void Tmainfm::setEdgeTrimReady(bool ready) {
    project_->edgeTrimReady = ready;
}

void Tmainfm::showRoomIcon(int index) {
    const TRoom_OBJ& room = *project_->room_list[std::size_t(index)].room;
    const QStyle::StandardPixmap icon =
        room.not_Cacl ? QStyle::SP_DialogCancelButton : QStyle::SP_FileIcon;
    pages_->setTabIcon(index + 1, style()->standardIcon(icon));
}

// The canvas and the statistics list leave the room page before it goes away.
void Tmainfm::detachCanvas() {
    if (active_) {
        active_->stopScrollTimer();
        active_->setCanvas(nullptr);
    }
    canvas_->setRoom(nullptr);
    active_ = nullptr;
    canvas_->hide();
    statisticsPanel_->hide();
    canvas_->setParent(pages_->widget(0));
    statisticsPanel_->setParent(projectArea_);
}

void Tmainfm::setCustomerCommands(bool open) {
    for (const char* name : {"N34", "N90"}) {
        (*actions_)[QString::fromUtf8(name)]->setEnabled(open);
    }
}

void Tmainfm::N27Click() {
    std::optional<std::pair<qint32, QString>> created;
    try {
        created = browser_->newCustomer();
    } catch (const DatabaseError& error) {
        prompts_.message(QString::fromUtf8(error.what()));
        return;
    }
    if (!created) {
        return;
    }
    showProjectArea();
    project_->startNewCustomer(created->first);
    setCustomerCommands(true);
    (*actions_)[QStringLiteral("N11")]->trigger();
}

void Tmainfm::ToolButton17Click() {
    browser_->showModal(false);
    refreshWorkspace();
}

void Tmainfm::wireProjectCommands() {
    const auto on = [this](const char* name, std::function<void()> command) {
        QAction* a = (*actions_)[QString::fromUtf8(name)];
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, std::move(command));
    };
    on("N27", [this] { N27Click(); });
    on("ToolButton17", [this] { ToolButton17Click(); });
    on("savebt", [this] {
        if (project_->savebtClick()) {
            setCustomerCommands(true);
            showNotice(QStringLiteral("已保存 ") + QTime::currentTime().toString(u"HH:mm"));
        }
        refreshWorkspace();
    });
    on("N34", [this] {
        if (project_->N34Click()) {
            setCustomerCommands(true);
        }
    });
    on("N90", [this] {
        if (!project_->N90Click()) {
            return;
        }
        setCustomerCommands(false);
        workArea_->setCurrentWidget(startPanel_);
        (*actions_)[QStringLiteral("statistics")]->setEnabled(false);
        sPageControl1Change();
    });
    on("ToolButton10", [this] { project_->deleteRoom(project_->indexOf(active_)); });
    on("ToolButton27", [this] {
        project_->copyRoom(project_->indexOf(active_));
        refreshWorkspace();
    });
    on("ToolButton38", [this] {
        browser_->showModal(true);
        refreshWorkspace();
    });
    on("sButton2", [this] { project_->renameRoom(project_->indexOf(active_)); });
    on("notCounted", [this] {
        if (active_) {
            active_->not_Cacl = (*actions_)[QStringLiteral("notCounted")]->isChecked() ? 1 : 0;
            showRoomIcon(project_->indexOf(active_));
        }
    });
    setCustomerCommands(false);
}
