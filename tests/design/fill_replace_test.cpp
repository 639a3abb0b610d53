#include "fill_fixture.h"

#include "library/product_library.h"

using namespace sample;

namespace {

class Replace : public FillTest {
protected:
    void replaceAt(QPoint p, int scope) {
        move(p);
        room->replace(scope);
    }
};

TEST_F(Replace, AnOccupiedCellTakesAProductOfTheSameSizeAndKeepsItsOrientation) {
    room->currentProduct = {Panel300x600, KindSquarePanel, 1}; // 600 across, 300 down
    room->placePanel({32, 32}, 1);
    room->paint();
    room->recount();
    room->currentProduct = {fill_sample::OtherPanel300x600, KindSquarePanel, 0};
    replaceAt(centre(33, 32), 0); // the covered half
    EXPECT_EQ(room->cell(32, 32), fill_sample::OtherPanel300x600);
    EXPECT_EQ(room->cellAttribute(32, 32), 1);
    EXPECT_EQ(room->cell(33, 32), TRoom_OBJ::coveredCellValue({32, 32}));
    EXPECT_EQ(quantityOf(*room, fill_sample::OtherPanel300x600), 1);
    EXPECT_EQ(quantityOf(*room, Panel300x600), -1); // no bill line left
    EXPECT_EQ(undoSteps(), 1);
    EXPECT_TRUE(room->roomModified);
}

TEST_F(Replace, AProductOfAnotherSizeIsRefused) {
    placeEverywhere(*room, Panel300, 32, 32, 33, 33);
    room->recount();
    room->currentProduct = {Panel600, KindSquarePanel, 0};
    replaceAt(centre(32, 32), 1);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("规格不一,无法完成替换")});
    EXPECT_EQ(anchorsOf(Panel300, 32, 32, 33, 33), 4);
    EXPECT_EQ(undoSteps(), 0);
}

TEST_F(Replace, ScopeOneReplacesEveryPanelOfTheKindInTheRange) {
    placeEverywhere(*room, Panel300, 31, 31, 33, 33);
    placeEverywhere(*room, Panel300, 38, 38, 39, 39);
    placeEverywhere(*room, fill_sample::OtherPanel300, 35, 35, 35, 35);
    room->recount();
    room->currentProduct = {fill_sample::OtherPanel300, KindSquarePanel, 0};
    replaceAt(centre(38, 39), 1);
    EXPECT_EQ(anchorsOf(fill_sample::OtherPanel300, 31, 31, 40, 40), 14);
    EXPECT_EQ(quantityOf(*room, fill_sample::OtherPanel300), 14);
    EXPECT_EQ(quantityOf(*room, Panel300), -1);
}

TEST_F(Replace, TheFloodOnAnEmptyCellStaysInsideItsConnectedRegion) {
    // A wall of panels across the whole active range splits the empty cells in two.
    // (A recount would take out its panels outside the room.)
    placeEverywhere(*room, Panel300, 35, room->firstRow, 35, room->lastRow);
    room->currentProduct = {fill_sample::OtherPanel300, KindSquarePanel, 0};
    choose(DesignReplaceFill, fill_sample::OtherPanel300, KindSquarePanel);
    click(centre(32, 36));
    EXPECT_EQ(anchorsOf(fill_sample::OtherPanel300, 31, 31, 34, 40), 40);
    EXPECT_EQ(anchorsOf(fill_sample::OtherPanel300, 36, 31, 40, 40), 0);
    EXPECT_EQ(anchorsOf(Panel300, 35, 31, 35, 40), 10);
    EXPECT_EQ(quantityOf(*room, fill_sample::OtherPanel300), 40);
    EXPECT_EQ(undoSteps(), 1);
}

TEST_F(Replace, TheFloodFollowsPanelsOfEverySizeAndStopsAtOtherProducts) {
    // Two groups of 600 mm panels, apart from each other; the first touches a 300 mm one.
    placeEverywhere(*room, Panel600, 31, 31, 34, 32);
    placeEverywhere(*room, Panel600, 37, 37, 40, 40);
    placeEverywhere(*room, Panel300, 35, 31, 35, 31);
    room->paint();
    room->recount();
    ASSERT_EQ(quantityOf(*room, Panel600), 6);
    room->currentProduct = {fill_sample::OtherPanel600, KindSquarePanel, 0};
    replaceAt(centre(34, 32), 2);
    EXPECT_EQ(anchorsOf(fill_sample::OtherPanel600, 31, 31, 40, 40), 2);
    EXPECT_EQ(room->cell(31, 31), fill_sample::OtherPanel600);
    EXPECT_EQ(room->cell(33, 31), fill_sample::OtherPanel600);
    EXPECT_EQ(anchorsOf(Panel600, 37, 37, 40, 40), 4);
    EXPECT_EQ(room->cell(35, 31), Panel300);
}

TEST_F(Replace, APanelPartlyOverAnEarlierOneIsNotLaid) {
    placeEverywhere(*room, Panel600, 32, 32, 32, 32);
    room->paint();
    room->recount();
    room->currentProduct = {Panel600, KindSquarePanel, 0};
    replaceAt(centre(31, 33), 0); // would share the cell (32, 33)
    EXPECT_EQ(room->cell(31, 33), -1);
    EXPECT_EQ(room->cell(32, 33), TRoom_OBJ::coveredCellValue({32, 32}));
    EXPECT_EQ(quantityOf(*room, Panel600), 1);
}

TEST_F(Replace, AProductTheLibraryDoesNotHoldReplacesNothing) {
    addObject(*room, Appliance300, KindAppliance, 960, 960);
    room->paint();
    room->currentProduct = {fill_sample::Missing, KindSquarePanel, 0};
    replaceAt(centre(36, 36), 1);
    EXPECT_EQ(anchorsOf(fill_sample::Missing, 1, 1, 100, 100), 0);
    room->currentProduct = {fill_sample::Missing, KindAppliance, 0};
    replaceAt(room->wall.planToCanvas({970, 970}), 0);
    EXPECT_EQ(room->objects.front()->id, Appliance300);
    EXPECT_EQ(undoSteps(), 0);
}

TEST_F(Replace, ObjectsTakeTheNewIdOneOrAllOfThem) {
    addObject(*room, Appliance300, KindAppliance, 960, 960);
    addObject(*room, Appliance300, KindAppliance, 1020, 1020);
    addObject(*room, Floating, KindFloating, 1100, 1100);
    room->paint();
    room->recount();
    room->currentProduct = {fill_sample::OtherAppliance300, KindAppliance, 0};
    replaceAt(room->wall.planToCanvas({970, 970}), 0);
    EXPECT_EQ(room->objects[0]->id, fill_sample::OtherAppliance300);
    EXPECT_EQ(room->objects[1]->id, Appliance300);
    room->objects[0]->id = Appliance300;
    replaceAt(room->wall.planToCanvas({1030, 1030}), 1);
    EXPECT_EQ(room->objects[0]->id, fill_sample::OtherAppliance300);
    EXPECT_EQ(room->objects[1]->id, fill_sample::OtherAppliance300);
    EXPECT_EQ(room->objects[2]->id, Floating);
    EXPECT_EQ(QPoint(room->objects[1]->x, room->objects[1]->y), QPoint(1020, 1020));
    EXPECT_EQ(quantityOf(*room, fill_sample::OtherAppliance300), 2);
    EXPECT_EQ(undoSteps(), 2);
    replaceAt(room->wall.planToCanvas({1190, 910}), 1); // no object there
    EXPECT_EQ(undoSteps(), 2);
}

TEST_F(Replace, AReplacedApplianceIsSeatedForItsSizeOrKeepsItsProduct) {
    placeEverywhere(*room, Panel300, 31, 31, 40, 40);
    tdianqi_rec& a = addObject(*room, Appliance300, KindAppliance, 960, 960);
    room->reseatAllAppliances();
    room->paint();
    room->recount();
    ASSERT_EQ(quantityOf(*room, Panel300), 99);
    // Grown to 300 x 600, it covers the panel below it too.
    room->currentProduct = {Appliance300x600, KindAppliance, 0};
    replaceAt(room->wall.planToCanvas({970, 970}), 0);
    EXPECT_EQ(a.id, Appliance300x600);
    EXPECT_EQ(room->cellAttribute(33, 34), 10);
    EXPECT_EQ(quantityOf(*room, Panel300), 98);
    EXPECT_EQ(undoSteps(), 1);
    EXPECT_TRUE(prompts.messages().isEmpty());

    // Of all 300 x 300 appliances, the one that would grow into the first keeps its product.
    tdianqi_rec& b = addObject(*room, Appliance300, KindAppliance, 1050, 1050);
    tdianqi_rec& c = addObject(*room, Appliance300, KindAppliance, 960, 930);
    room->reseatAllAppliances();
    room->paint();
    room->recount();
    ASSERT_EQ(quantityOf(*room, Panel300), 96);
    replaceAt(room->wall.planToCanvas({1060, 1060}), 1);
    EXPECT_EQ(b.id, Appliance300x600);
    EXPECT_EQ(c.id, Appliance300);
    EXPECT_EQ(QPoint(c.x, c.y), QPoint(960, 930));
    EXPECT_EQ(room->cellAttribute(33, 32), 10);
    EXPECT_EQ(quantityOf(*room, Panel300), 95);
    EXPECT_EQ(quantityOf(*room, Appliance300x600), 2);
    EXPECT_EQ(quantityOf(*room, Appliance300), 1);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("电器不能放在电器或者悬浮产品上.")});
    EXPECT_EQ(undoSteps(), 2);

    // One that would not cover whole cells is not seated and keeps its product, silently.
    room->currentProduct = {Appliance250, KindAppliance, 0};
    replaceAt(room->wall.planToCanvas({970, 970}), 0);
    EXPECT_EQ(a.id, Appliance300x600);
    EXPECT_EQ(quantityOf(*room, Panel300), 95);
    EXPECT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(undoSteps(), 2);
}

TEST_F(Replace, TheBusyPointerIsShownAndThenTheToolsShapeAgain) {
    choose(DesignReplaceFill, Panel300, KindSquarePanel);
    canvas.shapes.clear();
    click(centre(33, 33));
    ASSERT_GE(canvas.shapes.size(), 2u);
    EXPECT_EQ(canvas.shapes.front(), 32);
    EXPECT_EQ(canvas.shapes.back(), 25);
}

class StripReplace : public FillTest {
protected:
    StripReplace() : FillTest(StripsAlongColumns) {}
    void lay(int product, int column) {
        room->cell(column, 1) = product;
        room->cellAttribute(column, 1) = 1;
    }
};

TEST_F(StripReplace, TheRegionIsTheRunOfColumnsOfTheOldStrip) {
    library.addProduct(60, 1, QStringLiteral("条板C"), KindStrip, 3000, 300);
    for (int c = 31; c <= 40; ++c) {
        lay(fill_sample::Strip, c);
    }
    lay(60, 33);
    lay(60, 38);
    room->recount();
    room->currentProduct = {60, KindStrip, 0};
    move(centre(36, 34));
    room->replace(2);
    for (int c = 34; c <= 37; ++c) {
        EXPECT_EQ(room->cell(c, 1), 60) << c;
    }
    EXPECT_EQ(room->cell(32, 1), fill_sample::Strip);
    EXPECT_EQ(room->cell(39, 1), fill_sample::Strip);
    EXPECT_EQ(undoSteps(), 1);

    room->currentProduct = {fill_sample::Strip, KindStrip, 0};
    move(centre(36, 34));
    room->replace(1);
    for (int c = 31; c <= 40; ++c) {
        EXPECT_EQ(room->cell(c, 1), fill_sample::Strip) << c;
    }
}

TEST_F(StripReplace, AColumnOfAnotherWidthIsRefusedWithoutFreeMode) {
    room->cell(34, 0) = 250;
    room->computeActiveRange();
    room->currentProduct = {fill_sample::Strip, KindStrip, 0};
    move(room->wall.planToCanvas({(33 * 300 + 100) / 10, 950}));
    room->replace(0);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("规格不一,无法完成替换")});
    EXPECT_EQ(room->cell(34, 1), -1);
    room->stripFreeMode = true;
    room->replace(0);
    EXPECT_EQ(room->cell(34, 1), fill_sample::Strip);
    EXPECT_EQ(room->columnWidth(34), 300);
}

} // namespace
