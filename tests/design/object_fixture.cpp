#include "object_fixture.h"

#include "library/product_library.h"

ObjectTest::ObjectTest(int roomMode) : RenderTest(roomMode) {
    using namespace object_sample;
    library.addProduct(Panel600, 1, QStringLiteral("方板600"), KindSquarePanel, 600, 600);
    library.addProduct(LongAppliance, 2, QStringLiteral("灯"), KindAppliance, 300, 600);
    library.addProduct(SmallAppliance, 2, QStringLiteral("小灯"), KindAppliance, 250, 250);
    library.addProduct(SmallFloating, 2, QStringLiteral("小吊灯"), KindFloating, 200, 200);
    library.addProduct(NarrowStrip, 1, QStringLiteral("窄条板"), KindStrip, 1000, 250);
    room->setTool(DesignMoveSwap);
    room->paint();
}

void ObjectTest::click(int planX, int planY, Qt::KeyboardModifiers modifiers) {
    const QPoint p = canvasOf(planX, planY);
    room->pointerMove(p, modifiers);
    room->pointerPress(p, Qt::LeftButton, modifiers);
    room->pointerRelease(p, Qt::LeftButton, modifiers);
}

void ObjectTest::pressAt(QPoint plan) {
    const QPoint p = canvasOf(plan.x(), plan.y());
    room->pointerMove(p, {});
    room->pointerPress(p, Qt::LeftButton, {});
}

void ObjectTest::moveTo(QPoint plan) {
    room->pointerMove(canvasOf(plan.x(), plan.y()), {});
}

void ObjectTest::releaseAt(QPoint plan) {
    room->pointerRelease(canvasOf(plan.x(), plan.y()), Qt::LeftButton, {});
}

void ObjectTest::drag(QPoint fromPlan, QPoint toPlan, int steps) {
    pressAt(fromPlan);
    for (int i = 1; i <= steps; ++i) {
        moveTo(fromPlan + (toPlan - fromPlan) * i / steps);
    }
    releaseAt(toPlan);
}

tdianqi_rec& ObjectTest::place(int id, int kind, int x, int y, int orientation) {
    tdianqi_rec& object = addObject(*room, id, kind, x, y, orientation);
    room->refreshObjectRectangles(object);
    return object;
}
