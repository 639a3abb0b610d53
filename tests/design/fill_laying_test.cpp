#include "fill_fixture.h"

#include "library/product_library.h"

using namespace sample;

namespace {

class RectangleFill : public FillTest {};

TEST_F(RectangleFill, OneClickLaysOneProductUnderTheGhostsCorner) {
    choose(DesignRectangleFill, Panel300, KindSquarePanel);
    room->showSelectedProduct = true;
    // The ghost's corner lies 15 pixels up and left of the pointer: in cell (35, 35).
    click(centre(35, 35) + QPoint(10, 10));
    EXPECT_EQ(room->cell(35, 35), Panel300);
    EXPECT_EQ(anchorsOf(Panel300, 1, 1, 100, 100), 1);
    EXPECT_EQ(quantityOf(*room, Panel300), 1);
    EXPECT_EQ(room->tool, DesignRectangleFill);
    EXPECT_TRUE(room->roomModified);
    EXPECT_EQ(undoSteps(), 1);
}

TEST_F(RectangleFill, ASingleLayingCountsItsPanelWithoutAFullRecount) {
    choose(DesignRectangleFill, Panel300, KindSquarePanel);
    placeEverywhere(*room, Panel300, 32, 32, 33, 32);
    room->recount();
    // A full recount would delete this object, which lies outside the room.
    addObject(*room, Floating, KindFloating, 100, 100);
    room->currentProduct = {Panel300, KindSquarePanel, 0};
    room->dragRectangleStart = room->dragRectangleEnd = centre(36, 36);
    room->laying();
    EXPECT_EQ(room->cell(36, 36), Panel300);
    EXPECT_EQ(quantityOf(*room, Panel300), 3);
    EXPECT_EQ(room->objects.size(), 1u);

    // Laying over a panel subtracts the one it replaces.
    room->currentProduct = {fill_sample::OtherPanel300, KindSquarePanel, 0};
    room->dragRectangleStart = room->dragRectangleEnd = centre(32, 32);
    room->laying();
    EXPECT_EQ(quantityOf(*room, Panel300), 2);
    EXPECT_EQ(quantityOf(*room, fill_sample::OtherPanel300), 1);
    EXPECT_EQ(room->objects.size(), 1u);
}

TEST_F(RectangleFill, ADragOfLargePanelsExtendsToCompletePanels) {
    choose(DesignRectangleFill, Panel600, KindSquarePanel);
    drag(centre(32, 32), centre(34, 33));
    EXPECT_EQ(room->cell(32, 32), Panel600);
    EXPECT_EQ(room->cell(34, 32), Panel600);
    const qint32 first = TRoom_OBJ::coveredCellValue({32, 32});
    const qint32 second = TRoom_OBJ::coveredCellValue({34, 32});
    EXPECT_EQ(room->cell(33, 32), first);
    EXPECT_EQ(room->cell(33, 33), first);
    EXPECT_EQ(room->cell(35, 33), second);
    EXPECT_EQ(room->cell(36, 32), -1);
    EXPECT_EQ(room->cell(32, 34), -1);
    EXPECT_EQ(quantityOf(*room, Panel600), 2);
    EXPECT_EQ(undoSteps(), 1);
}

TEST_F(RectangleFill, TheBorderFillLeavesTheInnerCellsAsTheyWere) {
    placeEverywhere(*room, fill_sample::OtherPanel300, 33, 33, 35, 35);
    room->recount();
    choose(DesignBorderFill, Panel300, KindSquarePanel);
    drag(centre(32, 32), centre(36, 36));
    EXPECT_EQ(anchorsOf(Panel300, 32, 32, 36, 36), 16);
    EXPECT_EQ(anchorsOf(fill_sample::OtherPanel300, 33, 33, 35, 35), 9);
    EXPECT_EQ(quantityOf(*room, Panel300), 16);
    EXPECT_EQ(quantityOf(*room, fill_sample::OtherPanel300), 9);
}

TEST_F(RectangleFill, ShiftFillsTheRowAndCtrlTheColumnUnderTheRelease) {
    choose(DesignRectangleFill, Panel300, KindSquarePanel);
    drag(centre(32, 32), centre(34, 35), Qt::ShiftModifier);
    EXPECT_EQ(anchorsOf(Panel300, 31, 35, 40, 35), 10);
    EXPECT_EQ(anchorsOf(Panel300, 31, 31, 40, 34), 0);
    EXPECT_EQ(quantityOf(*room, Panel300), 10);

    drag(centre(32, 32), centre(38, 33), Qt::ControlModifier);
    EXPECT_EQ(anchorsOf(Panel300, 38, 31, 38, 40), 10);
    EXPECT_EQ(quantityOf(*room, Panel300), 19);

    choose(DesignRowFill, fill_sample::OtherPanel300, KindSquarePanel);
    drag(centre(33, 39), centre(33, 39));
    EXPECT_EQ(anchorsOf(fill_sample::OtherPanel300, 31, 39, 40, 39), 10);
}

TEST_F(RectangleFill, ARowStartsAtTheFirstCellInsideARoomAlignedToTheGrid) {
    // The room's left wall lies on the line between columns 30 and 31.
    choose(DesignRowFill, Panel600, KindSquarePanel);
    click(centre(33, 33));
    EXPECT_EQ(room->cell(30, 33), -1);
    for (int c = 31; c <= 39; c += 2) {
        EXPECT_EQ(room->cell(c, 33), Panel600) << c;
    }
    EXPECT_EQ(quantityOf(*room, Panel600), 5);
}

TEST_F(RectangleFill, WithoutTheRubberBandAPressStartsNoDrag) {
    choose(DesignRectangleFill, Panel300, KindSquarePanel);
    room->rubberBand = false;
    drag(centre(32, 32), centre(34, 34));
    EXPECT_EQ(anchorsOf(Panel300, 1, 1, 100, 100), 0);
    EXPECT_EQ(undoSteps(), 0);
}

TEST_F(RectangleFill, AltReplacesTheRegionUnderThePointer) {
    placeEverywhere(*room, Panel300, 31, 31, 33, 33);
    room->recount();
    choose(DesignFreeFill, fill_sample::OtherPanel300, KindSquarePanel);
    drag(centre(36, 36), centre(32, 32), Qt::AltModifier);
    EXPECT_EQ(anchorsOf(fill_sample::OtherPanel300, 31, 31, 33, 33), 9);
    EXPECT_EQ(anchorsOf(fill_sample::OtherPanel300, 34, 34, 40, 40), 0);
    EXPECT_EQ(room->tool, DesignFreeFill);
}

TEST_F(RectangleFill, PanelsOfTheWrongKindForTheRoomAreRefusedWithAMessage) {
    choose(DesignRectangleFill, fill_sample::Strip, KindStrip);
    drag(centre(32, 32), centre(34, 34));
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("方扣房间,您选择了条扣板,填充失败!")});
    EXPECT_EQ(anchorsOf(fill_sample::Strip, 1, 1, 100, 100), 0);
    EXPECT_EQ(undoSteps(), 0);
}

TEST_F(RectangleFill, TheMoveAndSwapToolPutsDownWhatItCarried) {
    room->setTool(DesignMoveSwap);
    room->currentProduct = {Panel300, KindSquarePanel, 2};
    room->dragRectangleStart = room->dragRectangleEnd = centre(33, 33);
    room->laying();
    EXPECT_EQ(room->cell(33, 33), Panel300);
    EXPECT_EQ(room->cellAttribute(33, 33), 2);
    EXPECT_EQ(room->currentProduct.id, -1);
    EXPECT_EQ(room->currentProduct.orientation, 0);
}

class StripLaying : public FillTest {
protected:
    StripLaying() : FillTest(StripsAlongColumns) {}
};

TEST_F(StripLaying, ColumnsOfAnotherWidthAreReportedOnceAndTheOthersFilled) {
    room->cell(33, 0) = 250;
    room->cell(34, 0) = 250;
    room->computeActiveRange();
    choose(DesignRectangleFill, fill_sample::Strip, KindStrip);
    drag(centre(32, 32), centre(36, 38));
    EXPECT_EQ(room->cell(32, 1), fill_sample::Strip);
    EXPECT_EQ(room->cellAttribute(32, 1), 1);
    EXPECT_EQ(room->cell(33, 1), -1);
    EXPECT_EQ(room->cell(34, 1), -1);
    EXPECT_EQ(room->cell(35, 1), fill_sample::Strip);
    EXPECT_EQ(prompts.messages(),
              QStringList{QStringLiteral("格子宽:250,产品宽:300 无法完成填充!")});
    EXPECT_GT(quantityOf(*room, fill_sample::Strip), 0);
    EXPECT_EQ(undoSteps(), 1);
}

TEST_F(StripLaying, FreeModeGivesTheColumnsTheProductsWidth) {
    room->stripFreeMode = true;
    room->cell(33, 0) = 250;
    room->computeActiveRange();
    choose(DesignRectangleFill, fill_sample::Strip, KindStrip);
    drag(centre(32, 32), centre(33, 34));
    EXPECT_EQ(room->cell(33, 1), fill_sample::Strip);
    EXPECT_EQ(room->columnWidth(33), 300);
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(StripLaying, SquarePanelsAreRefused) {
    choose(DesignRectangleFill, Panel300, KindSquarePanel);
    drag(centre(32, 32), centre(34, 34));
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("条扣房间,您选择了方扣板,填充失败!")});
    EXPECT_EQ(room->cell(32, 1), -1);
}

class RowStripLaying : public FillTest {
protected:
    RowStripLaying() : FillTest(StripsAlongRows) {}
};

TEST_F(RowStripLaying, StripsGoIntoTheRowsOfTheDrag) {
    room->cell(0, 34) = 200;
    room->computeActiveRange();
    choose(DesignRectangleFill, fill_sample::Strip, KindStrip);
    drag(centre(32, 32), centre(35, 33));
    EXPECT_EQ(room->cell(1, 32), fill_sample::Strip);
    EXPECT_EQ(room->cell(1, 33), fill_sample::Strip);
    EXPECT_EQ(room->cellAttribute(1, 33), 0);
    EXPECT_EQ(room->cell(1, 31), -1);
    EXPECT_EQ(room->cell(1, 34), -1);
    EXPECT_TRUE(prompts.messages().isEmpty());
}

} // namespace
