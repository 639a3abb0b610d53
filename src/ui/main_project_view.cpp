#include "ui/main_project_view.h"

#include "core/troom_obj.h"
#include "quote/open_project.h"
#include "quote/startup_session.h"
#include "ui/customer_page.h"
#include "ui/design_statistics_panel.h"
#include "ui/main_actions.h"
#include "ui/main_maintenance.h"
#include "ui/room_canvas_widget.h"
#include "ui/tmainfm.h"
#include "ui/work_progress_window.h"

#include <QAction>
#include <QApplication>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

MainProjectView::MainProjectView(Tmainfm& window)
    : window_(window), work_(std::make_unique<WindowProgress>(&window)) {}

MainProjectView::~MainProjectView() = default;

WorkProgress& MainProjectView::work() {
    return *work_;
}

RoomContext MainProjectView::roomContext() {
    RoomContext context;
    context.canvas = window_.canvas_;
    context.library = &window_.session_.library();
    context.prompts = &window_.prompts_;
    context.statisticsView = &window_.statisticsPanel_->view();
    context.initialPaperWidth = std::max(1, window_.workArea_->width() - 20);
    return context;
}

void MainProjectView::roomAdded(int index, TRoom_OBJ& room) {
    window_.showProjectArea();
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("roomPage"));
    // Pointer moves around the canvas refresh the workspace.
    page->setMouseTracking(true);
    auto* layout = new QVBoxLayout(page);
    // The canvas is the work area less 20 pixels each way.
    layout->setContentsMargins(10, 10, 10, 10);
    const QSignalBlocker detached(window_.pages_);
    window_.pages_->insertTab(index + 1, page, room.getName());
    window_.showRoomIcon(index);
}

void MainProjectView::roomRemoving(int index) {
    TRoom_OBJ* room = window_.project_->room_list[std::size_t(index)].room.get();
    QWidget* page = window_.pages_->widget(index + 1);
    // The shared canvas may still stand on the page after its room was left.
    if (window_.active_ == room || page->isAncestorOf(window_.canvas_) ||
        page->isAncestorOf(window_.statisticsPanel_)) {
        window_.detachCanvas();
    }
    const QSignalBlocker detached(window_.pages_);
    window_.pages_->removeTab(index + 1);
    delete page;
}

void MainProjectView::roomRetitled(int index, const QString& title) {
    window_.pages_->setTabText(index + 1, title);
}

void MainProjectView::activate(int index) {
    {
        const QSignalBlocker detached(window_.pages_);
        window_.pages_->setCurrentIndex(index + 1);
    }
    window_.sPageControl1Change();
}

void MainProjectView::customerChanged() {
    // The open project shows its first, empty customer before the page exists.
    CustomerPage* page = window_.customerPage_;
    if (!page) {
        return;
    }
    // An area made since the lists were read (a new customer's, an imported one's).
    if (window_.maintenance_ && !page->offersArea(window_.project_->customer.areaTitle)) {
        window_.maintenance_->reloadNameLists();
    }
    page->showCustomer();
    // The rooms of the project before: a new customer starts without them.
    page->fillRoomChecks();
}

void MainProjectView::editedChanged(bool edited) {
    (*window_.actions_)[QStringLiteral("savebt")]->setEnabled(edited);
}

void MainProjectView::progress(int value, int maximum) {
    QProgressBar* bar = window_.saveProgress_;
    bar->setVisible(maximum > 0);
    if (maximum > 0) {
        bar->setRange(0, maximum);
        bar->setValue(value);
    }
}

void MainProjectView::processEvents() {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
