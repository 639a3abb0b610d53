#pragma once

#include "core/menu_model.h"
#include "core/room_canvas.h"
#include "core/room_creation.h"
#include "core/troom_obj.h"
#include "placement_fixture.h"
#include "platform/surface.h"

#include <gtest/gtest.h>

#include <memory>

// A canvas for rendering tests: an off-screen surface that counts the frames shown.
class RenderCanvas : public RoomCanvas {
public:
    RenderCanvas(int width, int height, qreal ratio = 1)
        : surface_(width, height, colors::White, ratio) {}

    int width() const override { return surface_.width(); }
    int height() const override { return surface_.height(); }
    bool canDraw() const override { return true; }
    Surface& surface() override { return surface_; }
    void present(const QRegion&) override { ++presented; }
    void setPointerShape(int) override {}
    void showPopup(MenuModel&, QPoint) override {}
    void notifyParent() override {}

    int presented = 0;

private:
    Surface surface_;
};

// Products with pictures whose colours tell them apart on the canvas.
namespace paint_sample {
constexpr int Panel = 1;      // 300 x 300, one colour
constexpr int TallPanel = 2;  // 300 x 600 with a square picture: top and bottom halves
constexpr int Appliance = 10; // 300 x 300, the floating product's picture, opaque
constexpr int Floating = 20;  // 500 x 500: a centre square on a key-coloured border
constexpr int Strip = 30;     // 1000 long, 300 across; turned it runs down a column
constexpr TColor PanelColour = makeColor(200, 60, 40);
constexpr TColor TopColour = makeColor(40, 200, 60);
constexpr TColor BottomColour = makeColor(230, 220, 20);
constexpr TColor KeyColour = makeColor(255, 0, 255);
constexpr TColor CentreColour = makeColor(250, 140, 0);
constexpr TColor StripColour = makeColor(120, 120, 250);
constexpr TColor Ceiling = makeColor(0, 77, 156);
constexpr TColor Grey = colors::Grey;
void addProducts(TestLibrary& library);
} // namespace paint_sample

// A room on an 800 x 600 canvas at 1 pixel per cm, with the plan's point (900, 900) at
// canvas (200, 200): a 3 x 3 m square from 900 to 1200 cm (canvas 200..500), 300 mm
// cells (columns and rows 31..40), in design mode.
class RenderTest : public ::testing::Test {
protected:
    explicit RenderTest(int roomMode = SquarePanelRoom, qreal ratio = 1);

    void useOutline(const QList<QPoint>& corners, const QList<quint8>& kinds = {});
    // The square room with a door on its top wall and a window on its right wall.
    void useOutlineWithOpenings();
    TColor at(int x, int y) { return canvas.surface().pixel(x, y); }
    // Paints the canvas and returns its pixels.
    const QImage& painted();

    TestLibrary library;
    RenderCanvas canvas;
    std::unique_ptr<TRoom_OBJ> room;
};

// The design part of the frame drawn step by step in the order of a fresh paint: content
// with the marks, mask overlay, labels and, with the view tool, the information box; at a
// device pixel ratio, in physical pixels.
QImage freshDesign(TRoom_OBJ& room, QSize size, qreal ratio = 1);
// The first pixel that differs inside `area`, or none.
std::optional<QPoint> firstDifference(const QImage& a, const QImage& b, const QRect& area);
