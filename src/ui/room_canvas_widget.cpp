#include "ui/room_canvas_widget.h"

#include "core/menu_model.h"
#include "core/troom_obj.h"
#include "quote/cursor_table.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <utility>
#include <vector>

namespace {

using Commands = std::vector<std::pair<QAction*, std::function<void()>>>;

// The entries' commands are copied, so that a room rebuilding its menu while the
// command runs cannot pull it away.
void fillMenu(QMenu& target, const std::vector<MenuItem>& items, Commands& commands) {
    for (const MenuItem& item : items) {
        if (item.separator) {
            target.addSeparator();
        } else if (!item.items.empty()) {
            QMenu* sub = target.addMenu(item.caption);
            sub->setEnabled(item.enabled);
            fillMenu(*sub, item.items, commands);
        } else {
            QAction* action = target.addAction(item.caption);
            action->setEnabled(item.enabled);
            action->setCheckable(item.checked);
            action->setChecked(item.checked);
            commands.emplace_back(action, item.onChosen);
        }
    }
}

} // namespace

RoomCanvasWidget::RoomCanvasWidget(const CursorTable& cursors, QWidget* parent)
    : QWidget(parent), cursors_(cursors) {
    setObjectName(QStringLiteral("DXDraw"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
}

bool RoomCanvasWidget::canDraw() const {
    return isVisible() && width() > 0 && height() > 0;
}

// The frame has the screen's physical pixels, so that the design is drawn at the
// screen's resolution instead of being enlarged.
Surface& RoomCanvasWidget::surface() {
    const qreal ratio = devicePixelRatioF();
    if (surface_.width() != width() || surface_.height() != height() || surface_.ratio() != ratio) {
        surface_.resize(std::max(1, width()), std::max(1, height()), colors::White, ratio);
    }
    return surface_;
}

void RoomCanvasWidget::present(const QRegion& changed) {
    update(changed);
}

void RoomCanvasWidget::setPointerShape(int shape) {
    setCursor(cursors_.cursor(shape));
}

void RoomCanvasWidget::showPopup(MenuModel& menu, QPoint at) {
    if (menu.items.empty()) {
        return;
    }
    QMenu popup(this);
    Commands commands;
    fillMenu(popup, menu.items, commands);
    QAction* chosen = popup.exec(mapToGlobal(at));
    for (const auto& [action, command] : commands) {
        if (action == chosen && command) {
            command();
            return;
        }
    }
}

void RoomCanvasWidget::notifyParent() {
    if (notifier_) {
        notifier_();
    }
}

void RoomCanvasWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!room_) {
        p.fillRect(rect(), Qt::white);
        return;
    }
    // A window moved to a screen of another pixel ratio gets a new frame first.
    if (surface_.width() != width() || surface_.height() != height() ||
        surface_.ratio() != devicePixelRatioF()) {
        room_->paint();
    }
    // Only the region asked for is copied: the painter is clipped to it.
    p.drawImage(0, 0, surface_.image());
}

void RoomCanvasWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!room_) {
        return;
    }
    // A room without walls keeps its plan centred while the canvas takes its size.
    if (room_->wall.pointCount() == 0) {
        room_->centreView();
    } else {
        room_->paint();
    }
}

void RoomCanvasWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (room_) {
        room_->paint();
    }
}

void RoomCanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    if (room_) {
        room_->pointerMove(event->position().toPoint(), event->modifiers());
        if (moved_) {
            moved_();
        }
    }
}

void RoomCanvasWidget::mousePressEvent(QMouseEvent* event) {
    if (room_) {
        room_->pointerPress(event->position().toPoint(), event->button(), event->modifiers());
    }
}

void RoomCanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (room_) {
        room_->pointerRelease(event->position().toPoint(), event->button(), event->modifiers());
    }
}

void RoomCanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (room_) {
        room_->pointerDoubleClick(event->position().toPoint(), event->button(), event->modifiers());
    }
}

void RoomCanvasWidget::wheelEvent(QWheelEvent* event) {
    if (room_ && event->angleDelta().y() != 0) {
        room_->wheelTurned(event->angleDelta().y());
    }
    event->accept();
}

void RoomCanvasWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (room_) {
        room_->popupRequested(event->pos());
    }
}

void RoomCanvasWidget::leaveEvent(QEvent* event) {
    // The view does not scroll by itself while the pointer is elsewhere.
    if (room_) {
        room_->stopScrollTimer();
    }
    QWidget::leaveEvent(event);
}
