#include "core/troom_obj.h"
#include "core/wall_dialogs.h"
#include "library/product_library.h"

#include "fake_canvas.h"
#include "support/scripted_mode_dialog.h"
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

namespace {

class RoomModeChange : public ::testing::Test {
protected:
    RoomModeChange() : canvas(800, 600) {
        RoomContext context = canvasContext(&canvas);
        context.prompts = &prompts;
        room = std::make_unique<TRoom_OBJ>(context, 300, 300, SquarePanelRoom, true);
        room->wallDialogs = &dialog;
        room->setName(QStringLiteral("客厅"));
        room->wall.setOutline({{1, 1}, {1999, 1}, {1999, 1999}, {1, 1999}}, {});
        room->computeActiveRange();
        room->pointerCell = {7, 3};
    }

    ModeChangeChoice choice(int scope, bool width, int w, bool height, int h) const {
        ModeChangeChoice c;
        c.name = room->getName();
        c.roomMode = room->roomstyle;
        c.scope = scope;
        c.widthChecked = width;
        c.width = w;
        c.heightChecked = height;
        c.height = h;
        return c;
    }
    tdianqi_rec& addAppliance(int column, int row) {
        auto object = std::make_unique<tdianqi_rec>();
        object->kind = KindAppliance;
        object->seatColumn = column;
        object->seatRow = row;
        object->x = (column - 1) * 30;
        object->y = (row - 1) * 30;
        room->objects.push_back(std::move(object));
        return *room->objects.back();
    }

    FakeCanvas canvas;
    ScriptedPrompts prompts;
    ScriptedModeDialog dialog;
    std::unique_ptr<TRoom_OBJ> room;
};

} // namespace

TEST_F(RoomModeChange, ThePointerCellFillsTheDialog) {
    room->cell(7, 0) = 450;
    room->roomstyle = StripsAlongColumns;
    room->changeRoomMode(TRoom_OBJ::ModeChangeEntry::PointerCell);
    EXPECT_TRUE(dialog.setup.sizesEnabled);
    EXPECT_EQ(dialog.setup.width, 450);
    EXPECT_EQ(dialog.setup.height, 300);
    EXPECT_TRUE(dialog.setup.widthBoxEnabled);
    EXPECT_FALSE(dialog.setup.heightBoxEnabled) << "strips along columns keep the row height";
    EXPECT_EQ(dialog.setup.name, QStringLiteral("客厅"));
}

TEST_F(RoomModeChange, ScopeTwoFromColumnSevenChangesEveryOddColumn) {
    dialog.answer = choice(2, true, 600, false, 300);
    prompts.answerConfirm(true);
    const std::size_t steps = room->undoList.size();
    room->changeRoomMode(TRoom_OBJ::ModeChangeEntry::PointerCell);
    for (int c : {1, 3, 5, 7, 9, 999}) {
        EXPECT_EQ(room->columnWidth(c), 600) << c;
    }
    for (int c : {2, 4, 6, 8, 1000}) {
        EXPECT_EQ(room->columnWidth(c), 300) << c;
    }
    EXPECT_EQ(room->rowHeight(3), 300);
    EXPECT_TRUE(prompts.shown.contains(QStringLiteral("confirm:更改格子大小将清空选择范围内产品")));
    EXPECT_EQ(room->undoList.size(), steps + 1);
    EXPECT_TRUE(room->roomModified);
}

TEST_F(RoomModeChange, ScopeOneSetsRowHeightsWithOnlyTheWidthChecked) {
    dialog.answer = choice(1, true, 400, false, 500);
    prompts.answerConfirm(true);
    room->changeRoomMode(TRoom_OBJ::ModeChangeEntry::PointerCell);
    EXPECT_EQ(room->columnWidth(1), 400);
    EXPECT_EQ(room->columnWidth(1000), 400);
    EXPECT_EQ(room->rowHeight(1), 500);
    EXPECT_EQ(room->rowHeight(1000), 500);
}

TEST_F(RoomModeChange, ScopeZeroChangesOnlyThePointerCellsColumnAndMovesItsAppliance) {
    tdianqi_rec& appliance = addAppliance(8, 3);
    dialog.answer = choice(0, true, 400, false, 300);
    prompts.answerConfirm(true);
    room->changeRoomMode(TRoom_OBJ::ModeChangeEntry::PointerCell);
    EXPECT_EQ(room->columnWidth(7), 400);
    EXPECT_EQ(room->columnWidth(8), 300);
    ASSERT_EQ(room->objects.size(), 1u);
    EXPECT_EQ(appliance.x, 220) << "column 8 now starts at 6 x 300 + 400 mm";
    EXPECT_EQ(appliance.y, 60);
}

TEST_F(RoomModeChange, DecliningTheSizeQuestionChangesNothing) {
    dialog.answer = choice(0, true, 400, false, 300);
    prompts.answerConfirm(false);
    const std::size_t steps = room->undoList.size();
    room->changeRoomMode(TRoom_OBJ::ModeChangeEntry::PointerCell);
    EXPECT_EQ(room->columnWidth(7), 300);
    EXPECT_EQ(room->undoList.size(), steps);
}

TEST_F(RoomModeChange, UnchangedSizesOrNoBoxAskNothing) {
    dialog.answer = choice(0, true, 300, true, 300);
    room->changeRoomMode(TRoom_OBJ::ModeChangeEntry::PointerCell);
    dialog.answer = choice(1, false, 500, false, 500);
    room->changeRoomMode(TRoom_OBJ::ModeChangeEntry::PointerCell);
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(room->columnWidth(1), 300);
}

TEST_F(RoomModeChange, AModeChangeEmptiesTheDesignInOneUndoStep) {
    room->cell(5, 5) = 12;
    room->cellAttribute(5, 5) = 2;
    addAppliance(3, 3);
    ModeChangeChoice c = choice(0, false, 300, false, 300);
    c.roomMode = StripsAlongColumns;
    dialog.answer = c;
    prompts.answerConfirm(true);
    const std::size_t steps = room->undoList.size();
    room->changeRoomMode(TRoom_OBJ::ModeChangeEntry::PointerCell);
    EXPECT_EQ(room->roomstyle, StripsAlongColumns);
    EXPECT_EQ(room->cell(5, 5), -1);
    EXPECT_EQ(room->cellAttribute(5, 5), 0);
    EXPECT_TRUE(room->objects.empty());
    EXPECT_EQ(room->columnWidth(5), 300) << "the sizes are not cells";
    EXPECT_EQ(room->undoList.size(), steps + 1);
    EXPECT_TRUE(prompts.shown.contains(QStringLiteral("confirm:更改房间类型将清空所有产品")));
}

TEST_F(RoomModeChange, DecliningTheModeChangeStillAppliesTheSizes) {
    room->cell(5, 5) = 12;
    ModeChangeChoice c = choice(0, true, 500, false, 300);
    c.roomMode = StripsAlongRows;
    dialog.answer = c;
    prompts.answerConfirm(false);
    room->changeRoomMode(TRoom_OBJ::ModeChangeEntry::PointerCell);
    EXPECT_EQ(room->roomstyle, SquarePanelRoom);
    EXPECT_EQ(room->cell(5, 5), 12);
    EXPECT_EQ(room->columnWidth(7), 500);
}

TEST_F(RoomModeChange, TheModeButtonChangesOnlyNameAndMode) {
    ModeChangeChoice c = choice(1, true, 600, true, 600);
    c.name = QStringLiteral("  卧室 ");
    c.roomMode = StripsAlongRows;
    dialog.answer = c;
    prompts.answerConfirm(true);
    room->changeRoomMode(TRoom_OBJ::ModeChangeEntry::ModeOnly);
    EXPECT_FALSE(dialog.setup.sizesEnabled);
    EXPECT_FALSE(dialog.setup.widthBoxEnabled);
    EXPECT_EQ(room->getName(), QStringLiteral("卧室"));
    EXPECT_EQ(room->roomstyle, StripsAlongRows);
    EXPECT_EQ(room->columnWidth(1), 300);
    EXPECT_EQ(room->rowHeight(1), 300);
}

TEST_F(RoomModeChange, AnEmptyNameKeepsTheRoomsName) {
    dialog.answer = choice(0, false, 300, false, 300);
    dialog.answer->name = QStringLiteral("   ");
    room->changeRoomMode(TRoom_OBJ::ModeChangeEntry::ModeOnly);
    EXPECT_EQ(room->getName(), QStringLiteral("客厅"));
}

TEST_F(RoomModeChange, APointerCellOutsideTheActiveRangeOpensNoDialog) {
    room->pointerCell = {0, 0};
    room->changeRoomMode(TRoom_OBJ::ModeChangeEntry::PointerCell);
    EXPECT_EQ(dialog.asked, 0);
}
