#pragma once

#include "core/menu_model.h"
#include "core/room_canvas.h"
#include "core/room_creation.h"
#include "platform/surface.h"

// A canvas for room tests: an off-screen surface that records what the room asked.
class FakeCanvas : public RoomCanvas {
public:
    FakeCanvas(int width, int height) : surface_(width, height) {}

    int width() const override { return surface_.width(); }
    int height() const override { return surface_.height(); }
    bool canDraw() const override { return drawable; }
    Surface& surface() override { return surface_; }
    void present(const QRegion&) override { ++presented; }
    void setPointerShape(int shape) override { pointerShape = shape; }
    void showPopup(MenuModel& menu, QPoint at) override {
        shownPopup = &menu;
        popupAt = at;
    }
    void notifyParent() override { ++parentNotifications; }

    bool drawable = true;
    int presented = 0;
    int pointerShape = 0;
    MenuModel* shownPopup = nullptr;
    QPoint popupAt;
    int parentNotifications = 0;

private:
    Surface surface_;
};

// The creation context of a room drawn on `canvas`.
inline RoomContext canvasContext(RoomCanvas* canvas) {
    RoomContext context;
    context.canvas = canvas;
    return context;
}
