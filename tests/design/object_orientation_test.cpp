#include "object_fixture.h"

#include "library/product_library.h"

#include <gtest/gtest.h>

using namespace object_sample;

using Orientation = ObjectTest;

TEST_F(Orientation, TurningSelectedAppliancesRollsBackOnAnOverlap) {
    tdianqi_rec& first = place(Appliance, KindAppliance, 1110, 1110);
    tdianqi_rec& light = place(LongAppliance, KindAppliance, 900, 900); // 30 x 60 cm
    place(Appliance, KindAppliance, 930, 900);                          // right beside it
    first.selected = true;
    light.selected = true;
    room->recordStep();
    const int steps = undoSteps();
    room->orientationCommand(1);
    EXPECT_EQ(first.orientation, 1) << "turned before the overlap was met";
    EXPECT_EQ(light.orientation, 0) << "60 x 30 cm would cover its neighbour";
    EXPECT_EQ(undoSteps(), steps) << "the command stops without an undo step";
    EXPECT_EQ(light.canvasRect.right - light.canvasRect.left, 30);

    light.selected = false;
    room->orientationCommand(2);
    EXPECT_EQ(first.orientation, 2);
    EXPECT_EQ(undoSteps(), steps + 1);
}

TEST_F(Orientation, TheObjectUnderThePointerTurnsAndIsSeatedAgain) {
    placeEverywhere(*room, Panel, 31, 31, 40, 40);
    tdianqi_rec& light = place(LongAppliance, KindAppliance, 1020, 1020);
    room->seatAppliance(light);
    room->pointerMove(canvasOf(1025, 1025), {});
    room->orientationCommand(3);
    EXPECT_EQ(light.orientation, 3);
    EXPECT_EQ(light.planRect.right - light.planRect.left, 60);
    EXPECT_EQ(room->cellAttribute(36, 35), 10) << "the panel under its new half is covered";
    EXPECT_TRUE(room->roomModified);
}

TEST_F(Orientation, APanelUnderThePointerIsLaidAgainTurned) {
    room->currentProduct = {TallPanel, KindSquarePanel, 0};
    ASSERT_TRUE(room->placePanel({33, 33}, 0)); // column 33, rows 33..34
    room->paint();
    room->currentProduct = {Appliance, KindAppliance, 0};
    room->pointerMove(canvasOf(975, 975), {});
    const int steps = undoSteps();
    room->orientationCommand(1);
    EXPECT_EQ(room->cell(33, 33), TallPanel);
    EXPECT_EQ(room->cellAttribute(33, 33), 1);
    room->paint();
    EXPECT_EQ(room->cell(34, 33), TRoom_OBJ::coveredCellValue({33, 33})) << "now across";
    EXPECT_EQ(room->cell(33, 34), -1);
    EXPECT_EQ(room->currentProduct.id, Appliance) << "the hand is given back";
    EXPECT_EQ(undoSteps(), steps + 1);
}

TEST_F(Orientation, APanelTurnedFromItsCoveredCellStaysAtItsAnchor) {
    room->currentProduct = {TallPanel, KindSquarePanel, 0};
    ASSERT_TRUE(room->placePanel({33, 33}, 0)); // column 33, rows 33..34
    room->paint();
    room->currentProduct = {};
    room->pointerMove(canvasOf(975, 1005), {}); // the covered cell (33, 34)
    ASSERT_EQ(room->pointerCell.row, 34);
    room->orientationCommand(1);
    room->paint();
    EXPECT_EQ(room->cell(33, 33), TallPanel) << "turned where it lies, not moved a row down";
    EXPECT_EQ(room->cellAttribute(33, 33), 1);
    EXPECT_EQ(room->cell(34, 33), TRoom_OBJ::coveredCellValue({33, 33}));
    EXPECT_EQ(room->cell(33, 34), -1);
    EXPECT_EQ(room->cell(34, 34), -1);
}

TEST_F(Orientation, APanelThatCannotTurnWhereItLiesStaysAsItWas) {
    room->cell(41, 0) = 250; // turned, the panel would need a 300 mm column after 40
    room->currentProduct = {TallPanel, KindSquarePanel, 0};
    ASSERT_TRUE(room->placePanel({40, 33}, 0));
    room->paint();
    room->currentProduct = {};
    room->pointerMove(canvasOf(1185, 975), {});
    room->orientationCommand(1);
    room->paint();
    EXPECT_EQ(room->cell(40, 33), TallPanel) << "not lost by the next paint";
    EXPECT_EQ(room->cellAttribute(40, 33), 0);
    EXPECT_EQ(room->cell(40, 34), TRoom_OBJ::coveredCellValue({40, 33}));
}

TEST_F(Orientation, WithTheGhostShownOnlyTheHandTurns) {
    tdianqi_rec& light = place(Appliance, KindAppliance, 1110, 1110);
    light.selected = true;
    room->showSelectedProduct = true;
    room->currentProduct = {Panel, KindSquarePanel, 0};
    room->pointerMove(canvasOf(1000, 1000), {});
    room->orientationCommand(2);
    EXPECT_EQ(room->currentProduct.orientation, 2);
    EXPECT_EQ(light.orientation, 0);
}
