#include "fill_fixture.h"

#include "library/product_library.h"

using namespace sample;

namespace {

class GridLineSnap : public FillTest {
protected:
    QPoint canvasOf(int x, int y) { return room->wall.planToCanvas({x, y}); }
    QPoint planOf(QPoint p) { return room->wall.canvasToPlan(p); }
};

TEST_F(GridLineSnap, PointsWithinFourCentimetresOfACellEdgeMoveOntoIt) {
    // Cell (31, 31) spans 900..930 cm both ways.
    room->pointerPoint = canvasOf(903, 915);
    EXPECT_EQ(planOf(room->snapToGridLines(canvasOf(903, 915), false)), QPoint(900, 915));
    EXPECT_EQ(room->pointerPoint, canvasOf(900, 915));
    EXPECT_EQ(planOf(room->snapToGridLines(canvasOf(905, 926), false)), QPoint(905, 930));
    EXPECT_EQ(planOf(room->snapToGridLines(canvasOf(925, 904), false)), QPoint(925, 900));
    EXPECT_EQ(planOf(room->snapToGridLines(canvasOf(915, 905), false)), QPoint(915, 905));
}

TEST_F(GridLineSnap, OnlyTheAxesWhoseFlagIsSetSnap) {
    room->snapRulerX = false;
    EXPECT_EQ(planOf(room->snapToGridLines(canvasOf(903, 903), false)), QPoint(903, 900));
    room->snapRulerY = false;
    EXPECT_EQ(room->snapToGridLines(QPoint(203, 203), false), QPoint(203, 203));
}

TEST_F(GridLineSnap, TheGhostsCornerIsSnappedWhenAsked) {
    room->currentProduct = {Floating, KindFloating, 0};
    room->productGhost = true;
    // The 500 mm ghost reaches 25 pixels up and left of the pointer.
    const QPoint pointer = canvasOf(903, 915) + QPoint(25, 25);
    EXPECT_EQ(planOf(room->snapToGridLines(pointer, true)), QPoint(900, 915));
    EXPECT_EQ(planOf(room->snapToGridLines(pointer, false)), QPoint(930, 940));
}

class ObjectPlacement : public FillTest {};

TEST_F(ObjectPlacement, AnApplianceIsSeatedOnTheCellUnderItsCorner) {
    choose(DesignBrush, Appliance300, KindAppliance);
    click(centre(33, 33));
    ASSERT_EQ(room->objects.size(), 1u);
    const tdianqi_rec& object = *room->objects.front();
    EXPECT_EQ(object.id, Appliance300);
    EXPECT_EQ(object.kind, KindAppliance);
    EXPECT_EQ(QPoint(object.x, object.y), QPoint(960, 960));
    EXPECT_FALSE(object.selected);
    EXPECT_EQ(quantityOf(*room, Appliance300), 1);
    EXPECT_EQ(undoSteps(), 1);
    EXPECT_TRUE(room->roomModified);
    EXPECT_EQ(room->tool, DesignBrush);
}

TEST_F(ObjectPlacement, PanelsUnderANewApplianceStopCountingAtOnce) {
    placeEverywhere(*room, Panel300, 32, 32, 33, 33);
    room->recount();
    ASSERT_EQ(quantityOf(*room, Panel300), 4);
    // A full recount would delete this object, which lies outside the room.
    addObject(*room, Floating, KindFloating, 100, 100);
    choose(DesignBrush, Appliance300x600, KindAppliance);
    click(centre(33, 32));
    ASSERT_EQ(room->objects.size(), 2u);
    EXPECT_EQ(room->cellAttribute(33, 32), 10);
    EXPECT_EQ(quantityOf(*room, Panel300), 2);
    EXPECT_EQ(quantityOf(*room, Appliance300x600), 1);
}

TEST_F(ObjectPlacement, AnApplianceOverAnotherIsRefusedAndTheRoomRestored) {
    placeEverywhere(*room, Panel600, 33, 33, 33, 33);
    room->paint();
    room->recount();
    room->recordStep();
    choose(DesignBrush, Appliance300, KindAppliance);
    click(centre(35, 35));
    ASSERT_EQ(room->objects.size(), 1u);
    // The second one seated at (33, 33) would take the 600 mm panel out.
    choose(DesignBrush, fill_sample::OtherAppliance300, KindAppliance);
    room->objects.front()->x = 960;
    room->objects.front()->y = 960;
    room->recordStep();
    click(centre(33, 33));
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("电器不能放在电器或者悬浮产品上.")});
    ASSERT_EQ(room->objects.size(), 1u);
    EXPECT_EQ(room->objects.front()->id, Appliance300);
    EXPECT_EQ(quantityOf(*room, fill_sample::OtherAppliance300), -1); // no bill line
    EXPECT_EQ(undoSteps(), 3);
}

TEST_F(ObjectPlacement, ARefusalWithoutARecordedStepCountsThePanelsAgain) {
    addObject(*room, Appliance300, KindAppliance, 960, 960);
    placeEverywhere(*room, Panel300, 34, 33, 34, 33);
    room->paint();
    room->recount();
    ASSERT_EQ(quantityOf(*room, Panel300), 1);
    // Turned, the 300 x 600 appliance covers (33, 33) and the panel at (34, 33).
    choose(DesignBrush, Appliance300x600, KindAppliance, 1);
    click(centre(33, 33));
    EXPECT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(room->objects.size(), 1u);
    EXPECT_EQ(quantityOf(*room, Panel300), 1);
    EXPECT_EQ(quantityOf(*room, Appliance300x600), -1); // no bill line
    EXPECT_EQ(undoSteps(), 0);
}

TEST_F(ObjectPlacement, FloatingProductsGoAnywhereAndSnapToGridLines) {
    choose(DesignBrush, Appliance300, KindAppliance);
    click(centre(33, 33));
    choose(DesignBrush, Floating, KindFloating);
    click(room->wall.planToCanvas({963, 988}));
    ASSERT_EQ(room->objects.size(), 2u);
    const tdianqi_rec& floating = *room->objects.back();
    EXPECT_EQ(QPoint(floating.x, floating.y), QPoint(960, 990));
    EXPECT_EQ(quantityOf(*room, Floating), 1);
    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_EQ(undoSteps(), 2);
}

TEST_F(ObjectPlacement, AnApplianceThatCoversNoWholeCellsOrAnUnknownProductIsNotPlaced) {
    choose(DesignBrush, Appliance250, KindAppliance);
    click(centre(33, 33));
    choose(DesignBrush, fill_sample::Missing, KindAppliance);
    click(centre(35, 35));
    EXPECT_TRUE(room->objects.empty());
    EXPECT_EQ(undoSteps(), 0);
}

TEST_F(ObjectPlacement, ARectangleReleaseWithAnObjectPlacesItAtTheDragEnd) {
    choose(DesignRectangleFill, Appliance300x600, KindAppliance);
    drag(centre(32, 32), centre(36, 35));
    ASSERT_EQ(room->objects.size(), 1u);
    EXPECT_EQ(QPoint(room->objects.front()->x, room->objects.front()->y), QPoint(1050, 1020));
    EXPECT_EQ(undoSteps(), 1);
}

} // namespace
