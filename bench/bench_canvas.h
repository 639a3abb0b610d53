#pragma once

#include "core/menu_model.h"
#include "core/room_canvas.h"
#include "platform/surface.h"

// A 1600 x 1000 off-screen canvas that shows nothing: the benchmarks measure the room. At
// a device pixel ratio of 2 its frame has 3200 x 2000 pixels, as on a 4K screen at 200 %.
class BenchCanvas : public RoomCanvas {
public:
    explicit BenchCanvas(qreal ratio = 1) : surface_(1600, 1000, colors::White, ratio) {}
    int width() const override { return surface_.width(); }
    int height() const override { return surface_.height(); }
    bool canDraw() const override { return true; }
    Surface& surface() override { return surface_; }
    void present(const QRegion&) override {}
    void setPointerShape(int) override {}
    void showPopup(MenuModel&, QPoint) override {}
    void notifyParent() override {}

private:
    Surface surface_;
};
