#include "placement_fixture.h"

#include "library/product_library.h"

#include <gtest/gtest.h>

using ApplianceSeating = SquareRoomTest;

TEST_F(ApplianceSeating, AnApplianceRemovesAPanelThatReachesOutOfIt) {
    room->currentProduct = {sample::Panel600, KindSquarePanel, 0};
    ASSERT_TRUE(room->placePanel({31, 31}, 0));
    room->normaliseCoveredCells();
    tdianqi_rec& light = addObject(*room, sample::Appliance300x600, KindAppliance, 905, 905);
    EXPECT_TRUE(room->seatAppliance(light));
    EXPECT_EQ(light.x, 900);
    EXPECT_EQ(light.y, 900);
    for (int c = 31; c <= 32; ++c) {
        for (int r = 31; r <= 32; ++r) {
            EXPECT_EQ(room->cell(c, r), -1) << c << "," << r;
        }
    }
}

TEST_F(ApplianceSeating, PanelsUnderAnApplianceCountAgainOnceItMovesAway) {
    placeEverywhere(*room, sample::Panel300, 31, 31, 32, 32);
    tdianqi_rec& light = addObject(*room, sample::Appliance300x600, KindAppliance, 900, 900);
    room->reseatAllAppliances();
    EXPECT_EQ(room->cellAttribute(31, 31), 10);
    EXPECT_EQ(room->cellAttribute(31, 32), 10);
    EXPECT_EQ(room->cellAttribute(32, 31), 0);
    room->recount();
    EXPECT_EQ(quantityOf(*room, sample::Panel300), 2) << "two of four are under the appliance";
    EXPECT_EQ(room->cell(31, 31), sample::Panel300) << "covered panels stay in the grid";
    EXPECT_EQ(quantityOf(*room, sample::Appliance300x600), 1);

    light.x += 60; // two columns to the right, no paint in between
    room->reseatAllAppliances();
    room->recount();
    EXPECT_EQ(quantityOf(*room, sample::Panel300), 4);
    EXPECT_EQ(room->cellAttribute(31, 31), 0) << "the mark is cleared by the count";
}

TEST_F(ApplianceSeating, AnApplianceThatDoesNotCoverWholeCellsIsRefused) {
    tdianqi_rec& small = addObject(*room, sample::Appliance250, KindAppliance, 1000, 1000);
    EXPECT_FALSE(room->seatAppliance(small));
    EXPECT_EQ(small.x, 990) << "snapped to its cell all the same";
    tdianqi_rec& offGrid = addObject(*room, sample::Appliance300, KindAppliance, 40000, 10);
    EXPECT_FALSE(room->seatAppliance(offGrid));
    EXPECT_EQ(offGrid.x, 40000) << "beyond the 300 m of the grid";
}

TEST_F(ApplianceSeating, StripRoomsAndFloatingProductsAreNotSeated) {
    tdianqi_rec& floating = addObject(*room, sample::Floating, KindFloating, 905, 905);
    EXPECT_TRUE(room->seatAppliance(floating));
    EXPECT_EQ(floating.x, 905);
    TestLibrary other;
    sample::addProducts(other);
    auto strips = designRoom(other, StripsAlongColumns);
    tdianqi_rec& light = addObject(*strips, sample::Appliance300, KindAppliance, 905, 905);
    EXPECT_TRUE(strips->seatAppliance(light));
    EXPECT_EQ(light.x, 905);
}

TEST(ApplianceOverlap, TwoPixelsOfOverlapAreTolerated) {
    const ObjectBox a{100, 100, 200, 200};
    EXPECT_FALSE(TRoom_OBJ::applianceOverlap(a, {198, 100, 298, 200})) << "2 pixels";
    EXPECT_TRUE(TRoom_OBJ::applianceOverlap(a, {197, 100, 297, 200})) << "3 pixels";
    EXPECT_FALSE(TRoom_OBJ::applianceOverlap({198, 100, 298, 200}, a));
    EXPECT_TRUE(TRoom_OBJ::applianceOverlap({197, 100, 297, 200}, a));
    EXPECT_FALSE(TRoom_OBJ::applianceOverlap(a, {100, 198, 200, 298}));
    EXPECT_TRUE(TRoom_OBJ::applianceOverlap(a, {100, 197, 200, 297}));
    EXPECT_TRUE(TRoom_OBJ::applianceOverlap(a, {120, 120, 180, 180})) << "inside";
    EXPECT_FALSE(TRoom_OBJ::applianceOverlap(a, {300, 300, 400, 400}));
}

TEST_F(ApplianceSeating, TheHitTestFindsTheTopmostObjectEdgesIncluded) {
    tdianqi_rec& below = addObject(*room, sample::Appliance300, KindAppliance, 900, 900);
    tdianqi_rec& above = addObject(*room, sample::Floating, KindFloating, 910, 910);
    below.canvasRect = {10, 10, 50, 50};
    above.canvasRect = {40, 40, 90, 90};
    EXPECT_EQ(room->hitTest({45, 45}), 1);
    EXPECT_EQ(room->hitTest({10, 50}), 0);
    EXPECT_EQ(room->hitTest({90, 90}), 1);
    EXPECT_EQ(room->hitTest({91, 45}), -1);
}

TEST_F(ApplianceSeating, SelectionClicksSelectToggleAndClear) {
    tdianqi_rec& first = addObject(*room, sample::Appliance300, KindAppliance, 900, 900);
    tdianqi_rec& second = addObject(*room, sample::Appliance300, KindAppliance, 960, 900);
    first.canvasRect = {0, 0, 10, 10};
    second.canvasRect = {20, 0, 30, 10};
    EXPECT_TRUE(room->selectionClick(Qt::LeftButton, false, {5, 5}));
    EXPECT_TRUE(first.selected);
    EXPECT_TRUE(room->selectionClick(Qt::LeftButton, true, {25, 5}));
    EXPECT_TRUE(first.selected && second.selected) << "Ctrl adds";
    EXPECT_TRUE(room->selectionClick(Qt::LeftButton, false, {25, 5}));
    EXPECT_TRUE(first.selected) << "a selected object leaves the selection as it is";
    EXPECT_TRUE(room->selectionClick(Qt::LeftButton, true, {5, 5}));
    EXPECT_FALSE(first.selected) << "Ctrl toggles off";
    EXPECT_TRUE(room->selectionClick(Qt::LeftButton, false, {5, 5}));
    EXPECT_TRUE(first.selected);
    EXPECT_FALSE(second.selected) << "a plain click on an unselected object selects only it";
    EXPECT_FALSE(room->selectionClick(Qt::RightButton, false, {25, 5}));
    EXPECT_FALSE(second.selected) << "the right button selects nothing";
    EXPECT_TRUE(first.selected);
    EXPECT_FALSE(room->selectionClick(Qt::LeftButton, false, {50, 50}));
    EXPECT_FALSE(first.selected) << "a click on nothing clears the selection";
}

TEST_F(ApplianceSeating, ObjectRectanglesFollowTheProductAndTheView) {
    tdianqi_rec& floating = addObject(*room, sample::Floating, KindFloating, 905, 907);
    room->wall.setPaperWidth(3000);
    room->wall.setOrigin({-100, 20});
    ASSERT_NE(room->refreshObjectRectangles(floating), nullptr);
    EXPECT_EQ(floating.planRect.left, 905);
    EXPECT_EQ(floating.planRect.right, 955);
    EXPECT_EQ(floating.planRect.bottom, 957);
    const QPoint topLeft = room->wall.planToCanvas({905, 907});
    EXPECT_EQ(floating.canvasRect.left, topLeft.x());
    EXPECT_EQ(floating.canvasRect.right, topLeft.x() + 75) << "50 cm at 1.5 pixels per cm";
    EXPECT_EQ(floating.canvasRect.bottom, topLeft.y() + 75);
}
