#pragma once

#include "render_fixture.h"

// Rooms for the object commands, driven through the canvas's pointer events: the render
// test's room (1 pixel per cm, plan (900, 900) at canvas (200, 200), 300 mm cells from
// column and row 31) with a few more products.
namespace object_sample {
constexpr int Panel = paint_sample::Panel;         // 300 x 300
constexpr int TallPanel = paint_sample::TallPanel; // 300 x 600
constexpr int Appliance = paint_sample::Appliance; // 300 x 300
constexpr int Floating = paint_sample::Floating;   // 500 x 500
constexpr int Strip = paint_sample::Strip;         // 1000 x 300
constexpr int Panel600 = 3;
constexpr int LongAppliance = 11;  // 300 x 600
constexpr int SmallAppliance = 12; // 250 x 250
constexpr int SmallFloating = 21;  // 200 x 200
constexpr int NarrowStrip = 31;    // 1000 x 250
} // namespace object_sample

class ObjectTest : public RenderTest {
protected:
    explicit ObjectTest(int roomMode = SquarePanelRoom);

    QPoint canvasOf(int planX, int planY) const { return room->wall.planToCanvas({planX, planY}); }
    // A left click at a plan point, as the canvas delivers it: move, press, release.
    void click(int planX, int planY, Qt::KeyboardModifiers modifiers = {});
    // A left-button drag between two plan points in `steps` pointer moves.
    void drag(QPoint fromPlan, QPoint toPlan, int steps = 4);
    void pressAt(QPoint plan);
    void moveTo(QPoint plan);
    void releaseAt(QPoint plan);
    tdianqi_rec& place(int id, int kind, int x, int y, int orientation = 0);
    int undoSteps() const { return int(room->undoList.size()); }
};

class StripColumnsObjectTest : public ObjectTest {
protected:
    StripColumnsObjectTest() : ObjectTest(StripsAlongColumns) {}
};

class StripRowsObjectTest : public ObjectTest {
protected:
    StripRowsObjectTest() : ObjectTest(StripsAlongRows) {}
};
