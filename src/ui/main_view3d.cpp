// "3D效果" of the main window: opens the active room's 3D window (design tool bar, room
// menu, F3) and keeps it in step with the room after every workspace refresh; draws the
// rooms' 3D pictures of the PDF design scheme.

#include "quote/open_project.h"
#include "quote/reports.h"
#include "ui/ceiling_3d_window.h"
#include "ui/main_actions.h"
#include "ui/tmainfm.h"
#include "view3d/offscreen_renderer.h"
#include "view3d/room_picture.h"

#include <QAction>

#include <memory>

namespace {

// One renderer for every picture, made at the first; none where OpenGL is missing.
struct SharedRenderer {
    bool tried = false;
    std::unique_ptr<OffscreenRenderer> renderer;

    OffscreenRenderer* get() {
        if (!tried) {
            tried = true;
            renderer = OffscreenRenderer::create();
        }
        return renderer.get();
    }
};

} // namespace

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

    reports_->roomPicture3D =
        [this, shared = std::make_shared<SharedRenderer>()](int index, QSize size) -> QImage {
        OffscreenRenderer* renderer = shared->get();
        if (!renderer || index < 0 || index >= int(project_->room_list.size())) {
            return {};
        }
        return roomPicture3D(*renderer, *project_->room_list[std::size_t(index)].room,
                             project_->ceilingHeight(index), CameraPreset::StandingInside, size);
    };
}

void Tmainfm::follow3DView() {
    if (view3d_) {
        view3d_->follow();
    }
}
