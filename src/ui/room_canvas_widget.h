#pragma once

#include "core/room_canvas.h"
#include "platform/surface.h"

#include <QWidget>

#include <functional>

class CursorTable;
class TRoom_OBJ;

// The design canvas shared by all rooms: shows the bound room's off-screen frame and
// hands it the pointer, wheel and popup events.
class RoomCanvasWidget : public QWidget, public RoomCanvas {
public:
    RoomCanvasWidget(const CursorTable& cursors, QWidget* parent = nullptr);

    // The room whose events the canvas delivers; none on the customer page.
    void setRoom(TRoom_OBJ* room) { room_ = room; }
    TRoom_OBJ* room() const { return room_; }
    // Runs when a room asks its surroundings to refresh.
    void setParentNotifier(std::function<void()> notifier) { notifier_ = std::move(notifier); }
    // Runs after the bound room handled a pointer move (the tools' hint may have changed).
    void setMoveNotifier(std::function<void()> notifier) { moved_ = std::move(notifier); }

    int width() const override { return QWidget::width(); }
    int height() const override { return QWidget::height(); }
    bool canDraw() const override;
    Surface& surface() override;
    void present(const QRegion& changed) override;
    void setPointerShape(int shape) override;
    void showPopup(MenuModel& menu, QPoint at) override;
    void notifyParent() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    const CursorTable& cursors_;
    Surface surface_;
    TRoom_OBJ* room_ = nullptr;
    std::function<void()> notifier_;
    std::function<void()> moved_;
};
