// "3D效果" of the main window: opens the active room's 3D window (design tool bar, room
// menu, F3) and keeps it in step with the room after every workspace refresh.

#include "quote/open_project.h"
#include "ui/ceiling_3d_window.h"
#include "ui/main_actions.h"
#include "ui/tmainfm.h"

#include <QAction>

void Tmainfm::wireView3D() {
    QAction* open = (*actions_)[QStringLiteral("view3d")];
    open->setEnabled(true);
    connect(open, &QAction::triggered, this, [this] {
        if (!active_) {
            return;
        }
        if (view3d_) {
            view3d_->follow();
            view3d_->raise();
            view3d_->activateWindow();
            return;
        }
        Ceiling3DWindow::Sources sources;
        sources.room = [this] { return active_; };
        sources.customerName = [this] { return project_->customer.name; };
        sources.ceilingHeight = [this] {
            return project_->ceilingHeight(project_->indexOf(active_));
        };
        sources.setCeilingHeight = [this](int cm) {
            project_->setCeilingHeight(project_->indexOf(active_), cm);
        };
        view3d_ = Ceiling3DWindow::open(std::move(sources), prompts_, this);
    });
}

void Tmainfm::follow3DView() {
    if (view3d_) {
        view3d_->follow();
    }
}
