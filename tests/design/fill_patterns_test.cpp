#include "fill_fixture.h"

#include "library/product_library.h"

using namespace sample;

namespace {

class PatternFill : public FillTest {
protected:
    void fill(int product, int pattern, int orientation = 0) {
        room->currentProduct = {product, KindSquarePanel, quint8(orientation)};
        room->wholeAndPatternFill(pattern, orientation);
    }
};

TEST_F(PatternFill, TheWholeFillCoversTheRoomAndIsOneUndoStep) {
    placeEverywhere(*room, Panel600, 33, 33, 33, 33);
    room->paint();
    fill(Panel300, 0, 2);
    EXPECT_EQ(anchorsOf(Panel300, 31, 31, 40, 40), 100);
    EXPECT_EQ(room->cellAttribute(34, 34), 2);
    EXPECT_EQ(quantityOf(*room, Panel300), 100);
    EXPECT_EQ(quantityOf(*room, Panel600), -1);
    EXPECT_EQ(undoSteps(), 1);
    EXPECT_TRUE(room->roomModified);

    fill(Panel600, 0);
    EXPECT_EQ(anchorsOf(Panel600, 31, 31, 40, 40), 25);
    EXPECT_EQ(room->cell(32, 31), TRoom_OBJ::coveredCellValue({31, 31}));
    EXPECT_EQ(quantityOf(*room, Panel600), 25);
}

TEST_F(PatternFill, StripesCountFromTheRoomsFirstRowAndColumn) {
    fill(Panel300, 1);
    EXPECT_EQ(anchorsOf(Panel300, 31, 31, 40, 31), 10);
    EXPECT_EQ(anchorsOf(Panel300, 31, 32, 40, 32), 0);
    EXPECT_EQ(anchorsOf(Panel300, 31, 39, 40, 39), 10);
    EXPECT_EQ(quantityOf(*room, Panel300), 50);
    fill(fill_sample::OtherPanel300, 4);
    EXPECT_EQ(anchorsOf(fill_sample::OtherPanel300, 32, 31, 32, 40), 10);
    EXPECT_EQ(anchorsOf(fill_sample::OtherPanel300, 31, 31, 31, 40), 0);
    EXPECT_EQ(quantityOf(*room, fill_sample::OtherPanel300), 50);
    EXPECT_EQ(quantityOf(*room, Panel300), 25);
}

TEST_F(PatternFill, ChessboardsCountFromTheAbsoluteRow) {
    // The room's first row is row 7 and its first column column 7.
    setOutline(*room, rectangleCorners(181, 181, 421, 421));
    room->computeActiveRange();
    room->rebuildMask();
    fill(Panel300, 5);
    EXPECT_EQ(room->cell(7, 7), -1);
    EXPECT_EQ(room->cell(8, 7), Panel300);
    EXPECT_EQ(room->cell(7, 8), Panel300);
    EXPECT_EQ(room->cell(8, 8), -1);
    fill(fill_sample::OtherPanel300, 6);
    EXPECT_EQ(room->cell(7, 7), fill_sample::OtherPanel300);
    EXPECT_EQ(room->cell(8, 7), Panel300);
}

TEST_F(PatternFill, RefusalsAreReported) {
    fill(fill_sample::Missing, 0);
    room->currentProduct = {fill_sample::Strip, KindStrip, 0};
    room->wholeAndPatternFill(0, 0);
    room->currentProduct = {Appliance300, KindSquarePanel, 0}; // picked as a panel
    room->wholeAndPatternFill(0, 0);
    room->currentProduct = {Appliance300, KindAppliance, 0};
    room->wholeAndPatternFill(0, 0); // appliances are not offered
    room->wall.clearOutline();
    fill(Panel300, 0);
    EXPECT_EQ(prompts.messages(), (QStringList{QStringLiteral("没找到该产品信息..."),
                                               QStringLiteral("该产品非方扣板,不能填充。"),
                                               QStringLiteral("该产品非扣板,不能填充。"),
                                               QStringLiteral("房间还未画完！")}));
    EXPECT_EQ(undoSteps(), 0);
}

TEST_F(PatternFill, TheBusyPointerIsShownWhileFilling) {
    room->setTool(DesignBorderFill);
    canvas.shapes.clear();
    fill(Panel300, 0);
    ASSERT_GE(canvas.shapes.size(), 2u);
    EXPECT_EQ(canvas.shapes.front(), 32);
    EXPECT_EQ(canvas.shapes.back(), 20);
}

class StripPatternFill : public FillTest {
protected:
    StripPatternFill() : FillTest(StripsAlongColumns) {}
    void fill(int pattern) {
        room->currentProduct = {fill_sample::Strip, KindStrip, 0};
        room->wholeAndPatternFill(pattern, 0);
    }
};

TEST_F(StripPatternFill, OddAndEvenColumnsCountFromTheGridsFirstColumn) {
    fill(3);
    EXPECT_EQ(room->cell(1, 1), fill_sample::Strip);
    EXPECT_EQ(room->cell(2, 1), -1);
    EXPECT_EQ(room->cell(31, 1), fill_sample::Strip);
    EXPECT_EQ(room->cell(1000, 1), -1);
    EXPECT_EQ(room->cellAttribute(31, 1), 1);
    fill(4);
    EXPECT_EQ(room->cell(2, 1), fill_sample::Strip);
    EXPECT_EQ(room->cell(1000, 1), fill_sample::Strip);
    EXPECT_GT(quantityOf(*room, fill_sample::Strip), 0);
    EXPECT_EQ(undoSteps(), 2);
}

TEST_F(StripPatternFill, RowPatternsDoNothingAndColumnsOfAnotherWidthAreSkipped) {
    room->cell(33, 0) = 250;
    fill(1);
    EXPECT_EQ(room->cell(31, 1), -1);
    fill(0);
    EXPECT_EQ(room->cell(32, 1), fill_sample::Strip);
    EXPECT_EQ(room->cell(33, 1), -1);
    EXPECT_EQ(room->columnWidth(33), 250);
    room->stripFreeMode = true;
    fill(0);
    EXPECT_EQ(room->cell(33, 1), fill_sample::Strip);
    EXPECT_EQ(room->columnWidth(33), 300);
}

class RowStripPatternFill : public FillTest {
protected:
    RowStripPatternFill() : FillTest(StripsAlongRows) {}
};

TEST_F(RowStripPatternFill, OddAndEvenRowsCountFromTheGridsFirstRow) {
    room->currentProduct = {fill_sample::Strip, KindStrip, 0};
    room->wholeAndPatternFill(2, 0);
    EXPECT_EQ(room->cell(1, 1), -1);
    EXPECT_EQ(room->cell(1, 2), fill_sample::Strip);
    EXPECT_EQ(room->cell(1, 32), fill_sample::Strip);
    EXPECT_EQ(room->cellAttribute(1, 32), 0);
    room->wholeAndPatternFill(3, 0);
    EXPECT_EQ(room->cell(1, 1), -1);
}

} // namespace
