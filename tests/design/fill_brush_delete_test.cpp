#include "fill_fixture.h"

#include "library/product_library.h"

using namespace sample;

namespace {

class BrushFill : public FillTest {};

TEST_F(BrushFill, TheBrushPaintsTheCellsItPassesOver) {
    choose(DesignBrush, Panel300, KindSquarePanel);
    move(centre(32, 34));
    room->pointerPress(centre(32, 34), Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(room->tool, DesignBrushHeld);
    for (int c = 33; c <= 36; ++c) {
        move(centre(c, 34));
    }
    room->pointerRelease(centre(36, 34), Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(room->tool, DesignBrush);
    EXPECT_EQ(anchorsOf(Panel300, 32, 34, 36, 34), 5);
    EXPECT_EQ(anchorsOf(Panel300, 31, 31, 40, 40), 5);
    EXPECT_EQ(quantityOf(*room, Panel300), 5);
    EXPECT_EQ(undoSteps(), 2);
}

TEST_F(BrushFill, CellsAlreadyHoldingTheProductAreLeftAsTheyWere) {
    placeEverywhere(*room, Panel300, 31, 34, 40, 34);
    room->recount();
    // Laid again, the pressed cell takes the brush's orientation; the others keep theirs.
    choose(DesignBrush, Panel300, KindSquarePanel, 2);
    move(centre(32, 34));
    room->pointerPress(centre(32, 34), Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(undoSteps(), 1);
    for (int c = 33; c <= 38; ++c) {
        move(centre(c, 34));
    }
    room->pointerRelease(centre(38, 34), Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(undoSteps(), 2);
    EXPECT_EQ(room->cellAttribute(32, 34), 2);
    for (int c = 33; c <= 38; ++c) {
        EXPECT_EQ(room->cellAttribute(c, 34), 0) << c;
    }
    EXPECT_EQ(quantityOf(*room, Panel300), 10);
}

TEST_F(BrushFill, APressOnTheOutlineOrOutsideLaysNothing) {
    choose(DesignBrush, Panel300, KindSquarePanel);
    click(room->wall.planToCanvas({900, 950}));
    click(centre(20, 20));
    EXPECT_EQ(anchorsOf(Panel300, 1, 1, 100, 100), 0);
    EXPECT_EQ(room->tool, DesignBrush);
    EXPECT_EQ(undoSteps(), 0);
}

TEST_F(BrushFill, StripsAreNotLaidAgainOverColumnsHoldingThem) {
    room->roomstyle = StripsAlongColumns;
    choose(DesignBrush, fill_sample::Strip, KindStrip);
    move(centre(32, 34));
    room->pointerPress(centre(32, 34), Qt::LeftButton, Qt::NoModifier);
    room->cell(33, 0) = 250;
    for (int y = 33; y <= 36; ++y) {
        move(centre(32, y)); // the same column: nothing to report
    }
    move(centre(33, 34));
    move(centre(33, 35));
    room->pointerRelease(centre(33, 35), Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(room->cell(32, 1), fill_sample::Strip);
    EXPECT_EQ(room->cell(33, 1), -1);
    EXPECT_EQ(prompts.messages().size(), 2); // one per laying over the narrower column
}

class DeleteTool : public FillTest {
protected:
    void deleteAt(QPoint p) {
        choose(DesignDelete, room->currentProduct.id, room->currentProduct.kind);
        move(p);
        room->pointerPress(p, Qt::LeftButton, Qt::NoModifier);
        EXPECT_EQ(room->tool, DesignDeleteHeld);
        room->pointerRelease(p, Qt::LeftButton, Qt::NoModifier);
        EXPECT_EQ(room->tool, DesignDelete);
    }
};

TEST_F(DeleteTool, AClickOnAnEmptyCellChangesNothing) {
    placeEverywhere(*room, Panel300, 31, 31, 32, 32);
    room->recount();
    deleteAt(centre(35, 35));
    EXPECT_EQ(anchorsOf(Panel300, 31, 31, 40, 40), 4);
    EXPECT_EQ(quantityOf(*room, Panel300), 4);
    EXPECT_EQ(undoSteps(), 0);
    EXPECT_FALSE(room->roomModified);
}

TEST_F(DeleteTool, AClickTakesOutTheWholePanelUnderIt) {
    choose(DesignRectangleFill, Panel600, KindSquarePanel);
    drag(centre(32, 32), centre(35, 33));
    ASSERT_EQ(quantityOf(*room, Panel600), 2);
    deleteAt(centre(33, 33)); // a covered cell of the first panel
    EXPECT_EQ(anchorsOf(Panel600, 31, 31, 40, 40), 1);
    EXPECT_EQ(room->cell(33, 33), -1);
    EXPECT_EQ(room->cell(32, 32), -1);
    EXPECT_EQ(quantityOf(*room, Panel600), 1);
    EXPECT_EQ(undoSteps(), 2);
    room->undo();
    EXPECT_EQ(anchorsOf(Panel600, 31, 31, 40, 40), 2);
}

TEST_F(DeleteTool, SelectedObjectsGoTogetherWithTheOneUnderThePointer) {
    addObject(*room, Floating, KindFloating, 910, 910).selected = true;
    addObject(*room, Floating, KindFloating, 1000, 1000);
    addObject(*room, Floating, KindFloating, 1100, 1100);
    placeEverywhere(*room, Panel300, 35, 35, 35, 35);
    room->paint();
    room->recount();
    ASSERT_EQ(quantityOf(*room, Floating), 3);
    deleteAt(room->wall.planToCanvas({1010, 1010}));
    ASSERT_EQ(room->objects.size(), 1u);
    EXPECT_EQ(room->objects.front()->x, 1100);
    EXPECT_EQ(quantityOf(*room, Floating), 1);
    EXPECT_EQ(room->cell(35, 35), Panel300); // the panel under it stays
    EXPECT_EQ(undoSteps(), 1);
}

class StripDelete : public DeleteTool {};

TEST_F(StripDelete, TakingOutAStripRecordsAnUndoStep) {
    room->roomstyle = StripsAlongRows;
    choose(DesignRectangleFill, fill_sample::Strip, KindStrip);
    drag(centre(32, 33), centre(34, 34));
    ASSERT_EQ(room->cell(1, 34), fill_sample::Strip);
    const double metres = quantityOf(*room, fill_sample::Strip);
    deleteAt(centre(36, 34));
    EXPECT_EQ(room->cell(1, 34), -1);
    EXPECT_EQ(room->cell(1, 33), fill_sample::Strip);
    EXPECT_DOUBLE_EQ(quantityOf(*room, fill_sample::Strip), metres / 2);
    EXPECT_EQ(undoSteps(), 2);
    room->undo();
    EXPECT_EQ(room->cell(1, 34), fill_sample::Strip);
}

class ClearDesign : public FillTest {};

TEST_F(ClearDesign, AConfirmedClearEmptiesCellsObjectsAndBillLines) {
    room->setName(QStringLiteral("客厅"));
    placeEverywhere(*room, Panel300, 31, 31, 35, 35);
    addObject(*room, Floating, KindFloating, 1000, 1000);
    room->cellAttribute(32, 32) = 3;
    room->recount();
    prompts.answerConfirm(false);
    EXPECT_FALSE(room->clearDesign());
    EXPECT_EQ(anchorsOf(Panel300, 31, 31, 35, 35), 25);
    prompts.answerConfirm(true);
    EXPECT_TRUE(room->clearDesign());
    EXPECT_EQ(prompts.shown.last(), QStringLiteral("confirm:是否清除当前房间［客厅］ 的所有产品?"));
    EXPECT_EQ(anchorsOf(-1, 31, 31, 35, 35), 25);
    EXPECT_EQ(room->cellAttribute(32, 32), 0);
    EXPECT_EQ(room->columnWidth(32), 300);
    EXPECT_TRUE(room->objects.empty());
    EXPECT_TRUE(room->billLines.empty());
    EXPECT_EQ(undoSteps(), 1);
}

TEST_F(ClearDesign, NothingIsAskedOutsideDesignModeOrWithoutAnOutline) {
    room->editMode = EditAdjustWalls;
    EXPECT_FALSE(room->clearDesign());
    room->editMode = EditDesign;
    room->wall.clearOutline();
    EXPECT_FALSE(room->clearDesign());
    EXPECT_TRUE(prompts.shown.isEmpty());
}

} // namespace
