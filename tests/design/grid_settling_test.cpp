#include "fill_fixture.h"

#include "core/tpic_rec.h"
#include "core/wall_dialogs.h"
#include "support/scripted_mode_dialog.h"

#include <QByteArray>

using namespace sample;

namespace {

class GridSettling : public FillTest {
protected:
    // A 600 mm panel at (32, 32); one anchored after it at (31, 33) whose block shares the
    // cell (32, 33) with it; a covered cell at (36, 36) whose panel is gone.
    void overlapAndStray(TRoom_OBJ& target) {
        target.cell(32, 32) = Panel600;
        target.cell(31, 33) = Panel600;
        target.cell(36, 36) = TRoom_OBJ::coveredCellValue({35, 35});
    }

    void expectSettled(const TRoom_OBJ& target) {
        const qint32 covered = TRoom_OBJ::coveredCellValue({32, 32});
        EXPECT_EQ(target.cell(32, 32), Panel600);
        EXPECT_EQ(target.cell(33, 32), covered);
        EXPECT_EQ(target.cell(32, 33), covered);
        EXPECT_EQ(target.cell(33, 33), covered);
        EXPECT_EQ(target.cell(31, 33), -1);
        EXPECT_EQ(target.cell(31, 34), -1);
        EXPECT_EQ(target.cell(36, 36), -1);
    }
};

TEST_F(GridSettling, NormalisingKeepsThePanelAnchoredFirstAndEmptiesTheRest) {
    overlapAndStray(*room);
    std::vector<GridCell> kept;
    room->normaliseCoveredCells(
        [&kept](GridCell anchor, const tpic_rec&, TRoom_OBJ::CellSpan) { kept.push_back(anchor); });
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept.front().column, 32);
    EXPECT_EQ(kept.front().row, 32);
    expectSettled(*room);
}

TEST_F(GridSettling, ARoomReadFromItsRecordsIsSettledByItsRecount) {
    overlapAndStray(*room);
    QByteArray wall;
    QByteArray panels;
    ASSERT_TRUE(room->writeWall(&wall));
    ASSERT_TRUE(room->writeKouban(&panels));
    std::unique_ptr<TRoom_OBJ> loaded = designRoom(library);
    ASSERT_TRUE(loaded->readWall(&wall, QStringLiteral("客厅"), SquarePanelRoom));
    ASSERT_TRUE(loaded->readKouban(&panels));
    loaded->rebuildMask();
    loaded->recount();
    EXPECT_EQ(quantityOf(*loaded, Panel600), 1);
    expectSettled(*loaded);
}

TEST_F(GridSettling, NewCellSizesAreSettledBeforeTheRoomIsCounted) {
    // 300 mm panels in every cell where the room lies once the cells are 150 mm: each
    // then spans 2 x 2 cells, so only every second one in both directions stays.
    for (int c = 61; c <= 80; ++c) {
        for (int r = 61; r <= 80; ++r) {
            room->cell(c, r) = Panel300;
        }
    }
    ScriptedModeDialog dialog;
    room->wallDialogs = &dialog;
    ModeChangeChoice sizes;
    sizes.scope = 1;
    sizes.widthChecked = true;
    sizes.width = 150;
    sizes.heightChecked = true;
    sizes.height = 150;
    dialog.answer = sizes;
    prompts.answerConfirm(true);
    room->pointerCell = {35, 35};
    room->changeRoomMode(TRoom_OBJ::ModeChangeEntry::PointerCell);
    ASSERT_EQ(room->columnWidth(61), 150);
    EXPECT_EQ(quantityOf(*room, Panel300), 100);
    EXPECT_EQ(room->cell(62, 62), TRoom_OBJ::coveredCellValue({61, 61}));
    EXPECT_EQ(room->cell(63, 61), Panel300);
}

} // namespace
