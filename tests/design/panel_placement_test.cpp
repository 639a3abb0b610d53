#include "placement_fixture.h"

#include "core/tpic_rec.h"
#include "library/product_library.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class PanelPlacement : public SquareRoomTest {
protected:
    void choose(int product) { room->currentProduct = {product, KindSquarePanel, 0}; }
};

} // namespace

TEST_F(PanelPlacement, PlacingWritesOnlyTheAnchorWithItsOrientation) {
    choose(sample::Panel300x600);
    EXPECT_TRUE(room->placePanel({31, 31}, 1));
    EXPECT_EQ(room->cell(31, 31), sample::Panel300x600);
    EXPECT_EQ(room->cellAttribute(31, 31), 1);
    EXPECT_EQ(room->cell(32, 31), -1) << "covered cells wait for normalisation";
    EXPECT_TRUE(room->roomChanged);
}

TEST_F(PanelPlacement, NothingIsPlacedThatIsUnknownOrDoesNotFit) {
    choose(999);
    EXPECT_FALSE(room->placePanel({31, 31}, 0));
    choose(sample::Panel300);
    EXPECT_FALSE(room->placePanel({31, 31}, 13)) << "not an orientation code";
    room->currentProduct.id = -1;
    EXPECT_FALSE(room->placePanel({31, 31}, 0));
    TestLibrary other;
    sample::addProducts(other);
    auto narrow = designRoom(other, SquarePanelRoom, 250);
    narrow->currentProduct = {sample::Panel600, KindSquarePanel, 0};
    EXPECT_FALSE(narrow->placePanel({5, 5}, 0));
    EXPECT_EQ(narrow->cell(5, 5), -1);
    EXPECT_FALSE(room->roomChanged);
    EXPECT_FALSE(narrow->roomChanged);
}

TEST_F(PanelPlacement, NormalisationCoversTheBlockAndTheFirstAnchorKeepsSharedCells) {
    choose(sample::Panel600);
    ASSERT_TRUE(room->placePanel({31, 31}, 0));
    ASSERT_TRUE(room->placePanel({32, 32}, 0)); // overlaps the first in cell (32, 32)
    choose(sample::Panel300);
    ASSERT_TRUE(room->placePanel({34, 31}, 0));
    std::vector<GridCell> drawn;
    room->normaliseCoveredCells([&drawn](GridCell anchor, const tpic_rec&, TRoom_OBJ::CellSpan) {
        drawn.push_back(anchor);
    });
    const qint32 covered = TRoom_OBJ::coveredCellValue({31, 31});
    EXPECT_EQ(room->cell(31, 31), sample::Panel600);
    EXPECT_EQ(room->cell(32, 31), covered);
    EXPECT_EQ(room->cell(31, 32), covered);
    EXPECT_EQ(room->cell(32, 32), covered) << "the later anchor inside the block is overwritten";
    EXPECT_EQ(room->cell(33, 32), -1) << "the lost panel's other cells are not written";
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].column, 31);
    EXPECT_EQ(drawn[1].column, 34);
}

TEST_F(PanelPlacement, NormalisationEmptiesAnchorsThatNoLongerFitAndKeepsUnknownOnes) {
    room->cell(31, 31) = sample::Panel600;
    room->cell(32, 0) = 250; // the second column shrinks under the panel
    room->cell(35, 35) = 999;
    room->normaliseCoveredCells();
    EXPECT_EQ(room->cell(31, 31), -1);
    EXPECT_EQ(room->cell(35, 35), 999);
}

TEST_F(PanelPlacement, RemovingFromAnyCellClearsTheWholeBlock) {
    choose(sample::Panel600);
    ASSERT_TRUE(room->placePanel({31, 31}, 0));
    room->normaliseCoveredCells();
    room->roomChanged = false;
    EXPECT_TRUE(room->removePanel({32, 32}));
    for (const GridCell c :
         {GridCell{31, 31}, GridCell{32, 31}, GridCell{31, 32}, GridCell{32, 32}}) {
        EXPECT_EQ(room->cell(c.column, c.row), -1) << c.column << "," << c.row;
    }
    EXPECT_TRUE(room->roomChanged);
    EXPECT_FALSE(room->removePanel({32, 32})) << "an empty cell";
}

TEST_F(PanelPlacement, PlacingOverAPanelReplacesIt) {
    choose(sample::Panel600);
    ASSERT_TRUE(room->placePanel({31, 31}, 0));
    room->normaliseCoveredCells();
    choose(sample::Panel300);
    ASSERT_TRUE(room->placePanel({32, 31}, 0));
    EXPECT_EQ(room->cell(31, 31), -1);
    EXPECT_EQ(room->cell(31, 32), -1);
    EXPECT_EQ(room->cell(32, 31), sample::Panel300);
}

TEST_F(PanelPlacement, RemovingSubtractsTheCountedPanel) {
    placeEverywhere(*room, sample::Panel300, 31, 31, 32, 31);
    room->recount();
    ASSERT_EQ(quantityOf(*room, sample::Panel300), 2);
    EXPECT_TRUE(room->removePanel({31, 31}));
    EXPECT_EQ(quantityOf(*room, sample::Panel300), 1);
}

TEST_F(PanelPlacement, ACoveredCellWithoutItsAnchorRemovesNothing) {
    room->cell(32, 31) = TRoom_OBJ::coveredCellValue({31, 31});
    EXPECT_FALSE(room->removePanel({32, 31}));
    EXPECT_EQ(room->cell(32, 31), TRoom_OBJ::coveredCellValue({31, 31}));
}

TEST(CoveredCells, TheAnchorReadsBackInEveryRowIncludingTheLast) {
    for (const GridCell anchor :
         {GridCell{1, 1}, GridCell{31, 999}, GridCell{7, 1000}, GridCell{1000, 1000}}) {
        const qint32 value = TRoom_OBJ::coveredCellValue(anchor);
        EXPECT_LT(value, -1);
        const GridCell back = TRoom_OBJ::coveredCellAnchor(value);
        EXPECT_EQ(back.column, anchor.column);
        EXPECT_EQ(back.row, anchor.row);
    }
}
