#include "core/fake_canvas.h"
#include "design/design_workspace.h"
#include "placement_fixture.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

class WorkspaceTools : public SquareRoomTest {
protected:
    WorkspaceTools() { room->setCanvas(&canvas); }

    FakeCanvas canvas{800, 600};
    CurrentProduct picker{sample::Panel300, 0, 2};
};

} // namespace

TEST_F(WorkspaceTools, FillToolsTakeThePickerProductAndSetTheSolidFlag) {
    room->solidFill = true;
    ASSERT_TRUE(workspace::chooseTool(*room, 3, picker));
    EXPECT_EQ(room->tool, DesignBorderFill);
    EXPECT_FALSE(room->solidFill);
    EXPECT_TRUE(room->rubberBand);
    EXPECT_EQ(room->currentProduct.id, sample::Panel300);
    EXPECT_EQ(room->currentProduct.orientation, 2) << "the picker's orientation";
    EXPECT_EQ(canvas.pointerShape, 20);
    EXPECT_EQ(workspace::toolStatusText(*room), "空心矩形区域填充");

    // Free fill leaves the solid flag; the brush drops the rubber band.
    ASSERT_TRUE(workspace::chooseTool(*room, 1, picker));
    EXPECT_FALSE(room->solidFill);
    EXPECT_EQ(workspace::pressedTag(*room), 1);
    ASSERT_TRUE(workspace::chooseTool(*room, 7, picker));
    EXPECT_EQ(room->tool, DesignBrush);
    EXPECT_FALSE(room->rubberBand);
    EXPECT_EQ(canvas.pointerShape, 24);
    ASSERT_TRUE(workspace::chooseTool(*room, 2, picker));
    EXPECT_TRUE(room->solidFill);
    EXPECT_EQ(room->tool, DesignRectangleFill);

    // A room that has a product keeps it.
    room->currentProduct = {sample::Panel600, 0, 0};
    workspace::chooseTool(*room, 4, picker);
    EXPECT_EQ(room->currentProduct.id, sample::Panel600);
    EXPECT_EQ(room->tool, DesignRowFill);
    EXPECT_FALSE(workspace::chooseTool(*room, 11, picker));
    EXPECT_EQ(room->tool, DesignRowFill);
}

TEST_F(WorkspaceTools, HandToolsEmptyTheHand) {
    room->currentProduct = {sample::Panel300, 0, 0};
    room->lockCanvas = true;
    workspace::chooseTool(*room, 0, picker);
    EXPECT_EQ(room->tool, DesignViewTool);
    EXPECT_EQ(room->currentProduct.id, -1);
    EXPECT_FALSE(room->lockCanvas);
    EXPECT_EQ(canvas.pointerShape, 29);

    room->currentProduct = {sample::Panel300, 0, 0};
    workspace::chooseTool(*room, 6, picker);
    EXPECT_EQ(room->tool, DesignMoveSwap) << "tag 6 is the move and swap tool too";
    EXPECT_EQ(room->currentProduct.id, -1);
    EXPECT_TRUE(room->showSelectedProduct);
    EXPECT_EQ(workspace::pressedTag(*room), 9);
    EXPECT_EQ(canvas.pointerShape, 27);

    workspace::chooseTool(*room, 10, picker);
    EXPECT_EQ(room->tool, DesignDelete);
    EXPECT_FALSE(room->showSelectedProduct);
    EXPECT_EQ(room->currentProduct.kind, 0);
    EXPECT_EQ(canvas.pointerShape, 31);
    EXPECT_EQ(workspace::toolStatusText(*room), "");
}

TEST_F(WorkspaceTools, GestureStatesPressTheButtonOfTheirTool) {
    workspace::chooseTool(*room, 2, picker);
    room->savedTool = room->tool;
    room->tool = DesignRectangleDrag;
    EXPECT_EQ(workspace::toolStatusText(*room), "填充产品");
    EXPECT_EQ(workspace::pressedTag(*room), 2);
    room->tool = DesignPlanDrag;
    EXPECT_EQ(workspace::pressedTag(*room), 0);
    EXPECT_EQ(workspace::toolStatusText(*room), "拖动房间");
    room->tool = DesignRoomOverGrid;
    room->lockCanvas = true;
    EXPECT_EQ(workspace::toolStatusText(*room), "");
    room->lockCanvas = false;
    EXPECT_EQ(workspace::toolStatusText(*room), "移动墙面");
    room->rubberBand = false;
    room->tool = DesignFreeFill;
    EXPECT_EQ(workspace::pressedTag(*room), std::nullopt);
}

TEST_F(WorkspaceTools, TheModeSwitchChoosesFreeFillOrTheWallTool) {
    EXPECT_EQ(workspace::switchToWalls(*room, true), "清空墙面");
    EXPECT_EQ(room->editMode, EditAdjustWalls);
    EXPECT_EQ(room->tool, ToolDrawWalls);
    EXPECT_EQ(workspace::toolStatusText(*room), "绘制房间墙面");
    workspace::switchToWalls(*room, false);
    EXPECT_EQ(room->tool, ToolEditWalls);
    EXPECT_EQ(workspace::toolStatusText(*room), "空闲");
    room->editMode = EditSplitWalls;
    room->tool = ToolDragCorner;
    EXPECT_EQ(workspace::toolStatusText(*room), "拆分墙角");
    room->editMode = EditAdjustWalls;
    EXPECT_EQ(workspace::toolStatusText(*room), "移动墙角");

    EXPECT_EQ(workspace::switchToDesign(*room, picker), "清空产品");
    EXPECT_EQ(room->editMode, EditDesign);
    EXPECT_EQ(room->tool, DesignFreeFill);
    EXPECT_EQ(workspace::pressedTag(*room), 1);
}

TEST(WorkspaceStrips, TheStripRuleTurnsStripsAlongColumns) {
    TestLibrary library;
    sample::addProducts(library);
    auto room = designRoom(library, StripsAlongColumns);
    setOutline(*room, rectangleCorners(900, 900, 1200, 1200));
    CurrentProduct picker{sample::Strip, 1, 0};
    workspace::chooseTool(*room, 2, picker);
    EXPECT_EQ(room->currentProduct.orientation, 1);
    EXPECT_EQ(picker.orientation, 1);

    // Strips along rows and square panels keep the picker's orientation.
    auto rows = designRoom(library, StripsAlongRows);
    picker.orientation = 3;
    workspace::chooseTool(*rows, 2, picker);
    EXPECT_EQ(rows->currentProduct.orientation, 3);
    room->currentProduct = {sample::Panel300, 0, 0};
    workspace::chooseTool(*room, 2, picker);
    EXPECT_EQ(room->currentProduct.orientation, 3);
}

TEST(WorkspaceStrips, FillEnablingFollowsRoomModeAndKind) {
    TestLibrary library;
    sample::addProducts(library);
    auto rows = designRoom(library, StripsAlongRows);
    rows->currentProduct = {sample::Strip, 1, 0};
    EXPECT_TRUE(workspace::wholeFillEnabled(*rows));
    workspace::PatternEnabling p = workspace::patternEnabling(*rows);
    EXPECT_TRUE(p[1] && p[2]);
    EXPECT_FALSE(p[3] || p[4] || p[5] || p[6]);

    auto columns = designRoom(library, StripsAlongColumns);
    columns->currentProduct = {sample::Strip, 1, 1};
    p = workspace::patternEnabling(*columns);
    EXPECT_TRUE(p[3] && p[4]);
    EXPECT_FALSE(p[1] || p[2] || p[5] || p[6]);
    columns->currentProduct = {sample::Panel300, 0, 0};
    EXPECT_FALSE(workspace::wholeFillEnabled(*columns)) << "a square panel in a strip room";
    p = workspace::patternEnabling(*columns);
    EXPECT_FALSE(p[3] || p[4]);

    auto square = designRoom(library);
    square->currentProduct = {sample::Panel300, 0, 0};
    p = workspace::patternEnabling(*square);
    EXPECT_TRUE(p[1] && p[3] && p[5] && p[6]);
    square->currentProduct = {sample::Appliance300, 2, 0};
    EXPECT_FALSE(workspace::wholeFillEnabled(*square));
    square->currentProduct = {-1, 0, 0};
    EXPECT_FALSE(workspace::wholeFillEnabled(*square));
}

TEST_F(WorkspaceTools, RefreshShowsTheActiveRoom) {
    workspace::chooseTool(*room, 2, picker);
    room->zoomIn();
    room->hintText = QStringLiteral("提示");
    room->canUndo = true;
    room->stripFreeMode = true;
    room->scrollTimer->start();
    const std::optional<workspace::WorkspaceState> state =
        workspace::refresh(room.get(), {false, false, true});
    ASSERT_TRUE(state);
    EXPECT_FALSE(room->scrollTimerActive());
    EXPECT_TRUE(state->roomActive);
    EXPECT_EQ(state->toolText, "实心矩形区域填充");
    EXPECT_EQ(state->zoomText, QString::number(room->zoom * 10) + "%");
    EXPECT_EQ(state->wallNote, "提示");
    EXPECT_EQ(state->areaText, "房间面积：9.00平方米");
    EXPECT_TRUE(state->designMode);
    EXPECT_EQ(state->pressedTag, 2);
    EXPECT_EQ(state->clearHint, "清空产品");
    EXPECT_FALSE(state->stripFreeMode.enabled) << "a square-panel room";
    EXPECT_TRUE(state->stripFreeMode.checked);
    EXPECT_TRUE(state->showSelected.enabled);
    EXPECT_TRUE(state->wholeFill);
    EXPECT_TRUE(state->pickerEntries);
    EXPECT_TRUE(state->canUndo);
    EXPECT_FALSE(state->canRedo);
    EXPECT_FALSE(state->projectEdited);

    room->roomModified = true;
    EXPECT_TRUE(workspace::refresh(room.get(), {})->projectEdited);
    room->roomModified = false;
    EXPECT_TRUE(workspace::refresh(room.get(), {false, true, false})->projectEdited)
        << "edited until saved";
    EXPECT_FALSE(workspace::refresh(room.get(), {true, false, false})) << "while loading";

    workspace::switchToWalls(*room, false);
    const auto walls = workspace::refresh(room.get(), {});
    EXPECT_FALSE(walls->designMode);
    EXPECT_FALSE(walls->showSelected.enabled);
    EXPECT_EQ(walls->pressedTag, std::nullopt);
    EXPECT_EQ(walls->clearHint, "清空墙面");
    EXPECT_FALSE(workspace::refresh(nullptr, {})->roomActive);
}

TEST(WorkspaceArea, TheAreaHasTwoDecimals) {
    EXPECT_EQ(workspace::areaLabel(12.345), "房间面积：12.35平方米");
    EXPECT_EQ(workspace::areaLabel(0), "房间面积：0.00平方米");
}

TEST(WorkspaceSelection, TheSelectionGoesFromRoomToRoom) {
    TestLibrary library;
    auto a = designRoom(library);
    auto b = designRoom(library);
    CurrentProduct picker{5, 0, 0};
    a->currentProduct = {12, 0, 3};
    workspace::carrySelection(a.get(), b.get(), picker);
    EXPECT_EQ(b->currentProduct.id, 12);
    EXPECT_EQ(b->currentProduct.orientation, 3);
    EXPECT_EQ(picker.id, 12);
    // A leaving room without a product keeps the selection as it was.
    b->currentProduct = {-1, 0, 0};
    workspace::carrySelection(b.get(), a.get(), picker);
    EXPECT_EQ(a->currentProduct.id, 12);
}

TEST(WorkspaceInput, KeysAndWheel) {
    using workspace::InputAction;
    using workspace::InputType;
    bool ctrl = false;
    workspace::InputEvent e;
    e.mainWindowActive = true;
    e.roomActive = true;
    e.overCanvas = true;

    e.type = InputType::KeyPress;
    e.key = Qt::Key_Alt;
    e.modifiers = Qt::AltModifier;
    EXPECT_TRUE(workspace::decideInput(e, ctrl).handled);
    e.mainWindowActive = false;
    EXPECT_TRUE(workspace::decideInput(e, ctrl).handled) << "whatever window is active";
    e.mainWindowActive = true;

    e.key = Qt::Key_Z;
    e.modifiers = Qt::ControlModifier;
    EXPECT_FALSE(workspace::decideInput(e, ctrl).handled) << "the Ctrl flag is not set";
    e.key = Qt::Key_Control;
    EXPECT_FALSE(workspace::decideInput(e, ctrl).handled);
    EXPECT_TRUE(ctrl);
    e.key = Qt::Key_Z;
    EXPECT_EQ(workspace::decideInput(e, ctrl).action, InputAction::Undo);
    e.key = Qt::Key_Y;
    EXPECT_EQ(workspace::decideInput(e, ctrl).action, InputAction::Redo);
    e.overCanvas = false;
    EXPECT_FALSE(workspace::decideInput(e, ctrl).handled);
    e.overCanvas = true;
    e.type = InputType::KeyRelease;
    e.key = Qt::Key_Control;
    workspace::decideInput(e, ctrl);
    EXPECT_FALSE(ctrl);

    e.type = InputType::KeyPress;
    e.key = Qt::Key_Delete;
    e.modifiers = {};
    const workspace::InputDecision del = workspace::decideInput(e, ctrl);
    EXPECT_TRUE(del.handled);
    EXPECT_EQ(del.action, InputAction::DeleteAtPointer);
    e.roomActive = false;
    EXPECT_FALSE(workspace::decideInput(e, ctrl).handled);
    e.roomActive = true;

    e.type = InputType::Wheel;
    EXPECT_EQ(workspace::decideInput(e, ctrl).action, InputAction::Zoom);
    e.mainWindowActive = false;
    EXPECT_FALSE(workspace::decideInput(e, ctrl).handled);
}
