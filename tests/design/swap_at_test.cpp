#include "object_fixture.h"

#include "library/product_library.h"

#include <gtest/gtest.h>

using namespace object_sample;

using SquareSwap = ObjectTest;

TEST_F(SquareSwap, TheEmptyHandTakesThePanelWithItsOrientationAndPutsItDownAgain) {
    room->currentProduct = {TallPanel, KindSquarePanel, 1};
    ASSERT_TRUE(room->placePanel({33, 33}, 1)); // turned: columns 33..34, row 33
    room->currentProduct = {};
    room->paint();
    ASSERT_EQ(room->cell(34, 33), TRoom_OBJ::coveredCellValue({33, 33}));
    room->recount();
    const int steps = undoSteps();

    click(1005, 975); // on the covered cell (34, 33)
    EXPECT_EQ(room->currentProduct.id, TallPanel);
    EXPECT_EQ(room->currentProduct.kind, KindSquarePanel);
    EXPECT_EQ(room->currentProduct.orientation, 1);
    EXPECT_EQ(room->cell(33, 33), -1);
    EXPECT_EQ(room->cell(34, 33), -1);
    EXPECT_EQ(quantityOf(*room, TallPanel), -1) << "its count went with it";
    EXPECT_EQ(undoSteps(), steps + 1);

    click(905, 905); // an empty cell
    EXPECT_EQ(room->cell(31, 31), TallPanel);
    EXPECT_EQ(room->cellAttribute(31, 31) % 10, 1);
    EXPECT_EQ(room->cell(32, 31), TRoom_OBJ::coveredCellValue({31, 31}));
    EXPECT_EQ(room->currentProduct.id, -1) << "the hand is empty again";
    EXPECT_EQ(room->tool, DesignMoveSwap);
    EXPECT_EQ(undoSteps(), steps + 2);
}

TEST_F(SquareSwap, AFullHandExchangesWithThePanelThere) {
    room->currentProduct = {Panel, KindSquarePanel, 0};
    ASSERT_TRUE(room->placePanel({36, 36}, 2));
    room->currentProduct = {TallPanel, KindSquarePanel, 0};
    click(1065, 1065);
    EXPECT_EQ(room->cell(36, 36), TallPanel);
    EXPECT_EQ(room->currentProduct.id, Panel);
    EXPECT_EQ(room->currentProduct.orientation, 2);
    click(1065, 1065);
    EXPECT_EQ(room->cell(36, 36), Panel);
    EXPECT_EQ(room->currentProduct.id, TallPanel);
}

TEST_F(SquareSwap, APanelThatDoesNotFitStaysInTheHand) {
    room->cell(41, 0) = 250; // the column after the room's last one is too narrow
    room->currentProduct = {Panel600, KindSquarePanel, 0};
    click(1185, 1185);
    EXPECT_EQ(room->cell(40, 40), -1);
    EXPECT_EQ(room->currentProduct.id, Panel600) << "not lost when it cannot be put down";
}

TEST_F(StripColumnsObjectTest, TheHandTakesAndPutsStripsOfColumns) {
    room->cell(33, 1) = Strip;
    room->cellAttribute(33, 1) = 1;
    click(975, 1000);
    EXPECT_EQ(room->cell(33, 1), -1);
    EXPECT_EQ(room->currentProduct.id, Strip);
    EXPECT_EQ(room->currentProduct.kind, KindStrip);
    EXPECT_EQ(room->currentProduct.orientation, 1);

    click(1035, 1000);
    EXPECT_EQ(room->cell(35, 1), Strip);
    EXPECT_EQ(room->cellAttribute(35, 1), 1);
    EXPECT_EQ(room->currentProduct.id, -1);
    EXPECT_GT(quantityOf(*room, Strip), 0) << "recounted";

    room->stripFreeMode = false;
    room->currentProduct = {NarrowStrip, KindStrip, 1};
    click(1035, 1000);
    EXPECT_EQ(room->cell(35, 1), Strip) << "250 mm does not match the 300 mm column";
    EXPECT_EQ(room->currentProduct.id, NarrowStrip);

    room->stripFreeMode = true;
    click(1035, 1000);
    EXPECT_EQ(room->cell(35, 1), NarrowStrip);
    EXPECT_EQ(room->columnWidth(35), 250) << "free mode sets the column's width";
    EXPECT_EQ(room->currentProduct.id, Strip);
}

TEST_F(StripRowsObjectTest, TheHandTakesAndPutsStripsOfRows) {
    room->cell(1, 33) = Strip;
    click(1000, 975);
    EXPECT_EQ(room->cell(1, 33), -1);
    EXPECT_EQ(room->currentProduct.id, Strip);
    EXPECT_EQ(room->currentProduct.orientation, 0);
    room->currentProduct = {NarrowStrip, KindStrip, 0};
    click(1000, 1035);
    EXPECT_EQ(room->cell(1, 35), NarrowStrip);
    EXPECT_EQ(room->rowHeight(35), 250);
    EXPECT_EQ(room->cellAttribute(1, 35), 0);
    EXPECT_EQ(room->currentProduct.id, -1);
    click(1000, 1150); // no strip there and nothing in the hand
    EXPECT_EQ(room->currentProduct.id, -1);
}
