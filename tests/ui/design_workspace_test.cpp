#include "design/room_statistics.h"
#include "design_products.h"
#include "library/product_library.h"
#include "staged_program.h"
#include "support/scripted_prompts.h"
#include "ui/design_statistics_panel.h"
#include "ui/main_actions.h"
#include "ui/program_start.h"
#include "ui/room_canvas_widget.h"
#include "ui/tmainfm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

using design_products::Panel;
using design_products::Strip;

class DesignWorkspace : public ::testing::Test {
protected:
    void SetUp() override {
        design_products::add(staged);
        ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
        main = program.mainWindow();
        main->resize(1400, 900);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        room = main->getActiveOBJ();
        ASSERT_NE(room, nullptr);
    }
    QAction* action(const char* name) { return main->actions()[QString::fromUtf8(name)]; }
    void trigger(const char* name) { action(name)->trigger(); }
    // "矩形墙面" with the dialog's 300 x 300 cm, then "设计".
    void rectangleRoomInDesign() {
        QTimer::singleShot(20, [] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Return);
            }
        });
        trigger("N71");
        ASSERT_EQ(room->wall.pointCount(), 4);
        trigger("modeDesign");
    }
    void choose(int id) { ASSERT_TRUE(design_products::choose(*main, id)); }
    QPoint canvasPoint(QPoint plan) const { return room->wall.planToCanvas(plan); }
    // The room's outline is the 300 x 300 cm square in the middle of the plan.
    QPoint roomCentre() const { return canvasPoint({1000, 1000}); }
    QString panel(int i) const { return main->statusPanel(i)->text(); }
    QStringList statisticsCaptions() const {
        QStringList captions;
        for (const StatisticsRow& row : main->statisticsPanel()->view().rows()) {
            captions << row.caption.trimmed();
        }
        return captions;
    }

    StagedProgram staged;
    ScriptedPrompts prompts;
    ProgramStart program{staged.path(), &prompts};
    Tmainfm* main = nullptr;
    TRoom_OBJ* room = nullptr;
};

} // namespace

TEST_F(DesignWorkspace, DesignModeChoosesFreeFillAndShowsTheDesignBar) {
    rectangleRoomInDesign();
    EXPECT_EQ(room->editMode, EditDesign);
    EXPECT_EQ(room->tool, DesignFreeFill);
    EXPECT_TRUE(action("designTool1")->isChecked());
    EXPECT_TRUE(action("modeDesign")->isChecked());
    EXPECT_TRUE(main->actions().designToolBar()->isVisible());
    EXPECT_FALSE(main->actions().wallToolBar()->isVisible());
    EXPECT_EQ(panel(5), "铺设产品");
    EXPECT_EQ(main->statisticsPanel()->areaLabel()->text(), "房间面积：9.00平方米");
    EXPECT_EQ(action("clearDesign")->toolTip(), "清空产品");

    trigger("modeRoom");
    EXPECT_NE(room->editMode, EditDesign);
    EXPECT_FALSE(main->actions().designToolBar()->isVisible());
    EXPECT_EQ(panel(5), "空闲");
    EXPECT_FALSE(main->statisticsPanel()->showSelected()->isEnabled());
}

TEST_F(DesignWorkspace, ADraggedRectangleLaysPanelsAndCtrlZTakesThemBack) {
    rectangleRoomInDesign();
    choose(Panel);
    EXPECT_EQ(panel(1), "方板300");
    EXPECT_EQ(panel(2), "300mm X 300mm");
    EXPECT_EQ(panel(3), "价:12.5");
    EXPECT_EQ(panel(4), "正常 ［方扣板］");
    trigger("designTool2");
    EXPECT_EQ(room->currentProduct.id, Panel);
    EXPECT_EQ(panel(5), "实心矩形区域填充");

    RoomCanvasWidget* canvas = main->canvas();
    const QPoint from = canvasPoint({910, 910});
    const QPoint to = canvasPoint({990, 990});
    QTest::mousePress(canvas, Qt::LeftButton, {}, from);
    QTest::mouseMove(canvas, to);
    EXPECT_EQ(panel(5), "填充产品") << "while the rectangle is dragged";
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
    EXPECT_EQ(panel(5), "实心矩形区域填充");

    const std::optional<GridCell> cell = room->cellOfPoint({950, 950});
    ASSERT_TRUE(cell);
    EXPECT_EQ(room->cell(cell->column, cell->row), Panel);
    EXPECT_TRUE(statisticsCaptions().contains("方板300"))
        << qPrintable(statisticsCaptions().join('|'));
    auto* list = main->statisticsPanel()->list();
    EXPECT_GT(list->model()->rowCount(), 1);
    EXPECT_TRUE(action("undo")->isEnabled());
    EXPECT_TRUE(main->projectEdited());

    // Ctrl+Z over the canvas.
    QTest::mouseMove(canvas, roomCentre());
    QTest::keyPress(canvas, Qt::Key_Control);
    QTest::keyClick(canvas, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyRelease(canvas, Qt::Key_Control);
    EXPECT_EQ(room->cell(cell->column, cell->row), -1);
    EXPECT_FALSE(statisticsCaptions().contains("方板300"));
    EXPECT_TRUE(action("redo")->isEnabled());

    // Ctrl+Y lays them again; Delete at the pointer takes out the panel under it.
    QTest::keyPress(canvas, Qt::Key_Control);
    QTest::keyClick(canvas, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyRelease(canvas, Qt::Key_Control);
    ASSERT_EQ(room->cell(cell->column, cell->row), Panel);
    const QPoint over = canvasPoint({950, 950});
    QTest::mouseMove(canvas, over);
    QTest::keyClick(canvas, Qt::Key_Delete);
    EXPECT_EQ(room->cell(cell->column, cell->row), -1);
    EXPECT_NE(room->cell(cell->column - 1, cell->row), -1) << "only the panel under the pointer";
}

TEST_F(DesignWorkspace, TheWallAlignmentButtonCentresAndClearDesignEmptiesTheGrid) {
    rectangleRoomInDesign();
    choose(Panel);
    trigger("fillAll");
    EXPECT_FALSE(statisticsCaptions().isEmpty());
    // The 3 m room starts 10 cm into a 30 cm cell; centred, it covers ten cells exactly.
    Bounds box;
    ASSERT_TRUE(room->wall.planBounds(box));
    ASSERT_NE(box.minX % 30, 0);
    trigger("wallAlignButton");
    ASSERT_TRUE(room->wall.planBounds(box));
    EXPECT_EQ(box.minX % 30, 0);
    EXPECT_EQ(box.minY % 30, 0);

    prompts.answerConfirm(false);
    trigger("clearDesign");
    EXPECT_FALSE(statisticsCaptions().isEmpty()) << "the answer was no";
    prompts.answerConfirm(true);
    trigger("clearDesign");
    EXPECT_TRUE(statisticsCaptions().isEmpty());
    const std::optional<GridCell> cell = room->cellOfPoint({950, 950});
    ASSERT_TRUE(cell);
    EXPECT_EQ(room->cell(cell->column, cell->row), -1);
}

TEST_F(DesignWorkspace, KeysAwayFromTheCanvasPassOn) {
    rectangleRoomInDesign();
    choose(Panel);
    trigger("fillAll");
    const std::optional<GridCell> cell = room->cellOfPoint({950, 950});
    ASSERT_TRUE(cell);
    ASSERT_EQ(room->cell(cell->column, cell->row), Panel);
    QWidget* list = main->statisticsPanel()->list();
    QTest::mouseMove(list);
    QTest::keyClick(list, Qt::Key_Delete);
    QTest::keyPress(list, Qt::Key_Control);
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyRelease(list, Qt::Key_Control);
    EXPECT_EQ(room->cell(cell->column, cell->row), Panel) << "neither deleted nor undone";
}

// Keys sent to the canvas are the main window's whatever the window system reports as
// active, so that no test waits for an activation that may come late.
TEST_F(DesignWorkspace, KeysSentToTheCanvasActWhileAnotherWindowIsActive) {
    rectangleRoomInDesign();
    choose(Panel);
    trigger("fillAll");
    const std::optional<GridCell> cell = room->cellOfPoint({950, 950});
    ASSERT_TRUE(cell);
    QWidget other;
    other.setGeometry(main->geometry().right() + 50, 0, 100, 100);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    RoomCanvasWidget* canvas = main->canvas();
    QTest::mouseMove(canvas, canvasPoint({950, 950}));
    QTest::keyClick(canvas, Qt::Key_Delete);
    EXPECT_EQ(room->cell(cell->column, cell->row), -1);
}

TEST_F(DesignWorkspace, AProductChosenWithTheDeleteToolSwitchesToFreeFill) {
    rectangleRoomInDesign();
    trigger("designTool10");
    EXPECT_EQ(room->tool, DesignDelete);
    choose(Panel);
    EXPECT_EQ(room->tool, DesignFreeFill);
    EXPECT_TRUE(action("designTool1")->isChecked());
    EXPECT_EQ(room->currentProduct.id, Panel);
}

TEST_F(DesignWorkspace, TheWheelOverTheCanvasZooms) {
    rectangleRoomInDesign();
    const int zoom = room->zoom;
    RoomCanvasWidget* canvas = main->canvas();
    QTest::mouseMove(canvas, roomCentre());
    QWheelEvent wheel(roomCentre(), canvas->mapToGlobal(roomCentre()), {}, {0, -120}, Qt::NoButton,
                      {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas, &wheel);
    EXPECT_EQ(room->zoom, zoom + 2);
    EXPECT_EQ(panel(6), QString::number((zoom + 2) * 10) + "%");
}

TEST(DesignWorkspaceStrips, StripRoomsTurnStripsAndLimitThePatterns) {
    StagedProgram staged;
    design_products::add(staged);
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0);
    Tmainfm* main = program.mainWindow();
    MainActions& actions = main->actions();

    NewRoomRequest columns;
    columns.roomMode = StripsAlongColumns;
    columns.rectangleWidth = columns.rectangleHeight = 300;
    main->CreatNewRoom(columns);
    TRoom_OBJ* room = main->getActiveOBJ();
    actions["modeDesign"]->trigger();
    ASSERT_TRUE(design_products::choose(*main, Strip));
    actions["designTool2"]->trigger();
    EXPECT_EQ(room->currentProduct.orientation, 1) << "strips along columns turn 90 degrees";
    EXPECT_TRUE(main->statisticsPanel()->stripFree()->isEnabled());
    EXPECT_TRUE(actions["fillPattern3"]->isEnabled());
    EXPECT_FALSE(actions["fillPattern1"]->isEnabled());

    NewRoomRequest rows;
    rows.roomMode = StripsAlongRows;
    rows.rectangleWidth = rows.rectangleHeight = 300;
    main->CreatNewRoom(rows);
    room = main->getActiveOBJ();
    EXPECT_EQ(room->currentProduct.id, Strip) << "the selection goes along to the new room";
    actions["modeDesign"]->trigger();
    ASSERT_TRUE(design_products::choose(*main, Strip));
    EXPECT_EQ(room->currentProduct.orientation, 0);
    EXPECT_TRUE(actions["fillAll"]->isEnabled());
    EXPECT_TRUE(actions["fillButtonAll"]->isEnabled());
    EXPECT_TRUE(actions["fillPattern1"]->isEnabled());
    EXPECT_TRUE(actions["fillPattern2"]->isEnabled());
    for (const char* name : {"fillPattern3", "fillPattern4", "fillPattern5", "fillPattern6"}) {
        EXPECT_FALSE(actions[QString::fromUtf8(name)]->isEnabled()) << name;
    }
    ASSERT_TRUE(design_products::choose(*main, Panel));
    EXPECT_FALSE(actions["fillAll"]->isEnabled()) << "a square panel in a strip room";
}

namespace {

// Counts the key presses that reach a widget.
class KeyProbe : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            ++presses;
        }
        return false;
    }
};

} // namespace

TEST_F(DesignWorkspace, AltAloneNeverReachesAWidget) {
    QWidget* list = main->statisticsPanel()->list();
    KeyProbe probe;
    list->installEventFilter(&probe);
    QTest::keyPress(list, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(list, Qt::Key_Alt);
    EXPECT_EQ(probe.presses, 0);
    QTest::keyClick(list, Qt::Key_A);
    EXPECT_EQ(probe.presses, 1) << "other keys pass";
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(probe.presses, 2) << "Alt as a modifier passes";
}

TEST_F(DesignWorkspace, TheOptionsGoIntoTheRoomAndFollowIt) {
    rectangleRoomInDesign();
    DesignStatisticsPanel* options = main->statisticsPanel();
    ASSERT_TRUE(room->lockCanvas);
    EXPECT_TRUE(options->lockCanvas()->isChecked());
    options->lockCanvas()->click();
    EXPECT_FALSE(room->lockCanvas);
    EXPECT_FALSE(action("lockbt")->isChecked()) << "the wall tool bar's copy follows";
    options->snapGuides()->click();
    EXPECT_FALSE(room->snapRulerX || room->snapRulerY);
    options->showSelected()->click();
    EXPECT_TRUE(room->showSelectedProduct);
    EXPECT_FALSE(options->stripFree()->isEnabled()) << "a square-panel room";

    // The view tool unlocks the canvas, the menu's "锁定画布" locks it with free fill.
    trigger("lockCanvasAlign");
    EXPECT_TRUE(room->lockCanvas);
    EXPECT_EQ(room->tool, DesignFreeFill);
    EXPECT_TRUE(options->lockCanvas()->isChecked());
    trigger("manualAdjust");
    EXPECT_EQ(room->tool, DesignViewTool);
    EXPECT_FALSE(options->lockCanvas()->isChecked());
    EXPECT_TRUE(action("designTool0")->isChecked());
    EXPECT_EQ(panel(5), "鼠标工具");
}

TEST_F(DesignWorkspace, WallModeShowsTheWallHintAndTheZoomCommands) {
    room->makeRectangle(300, 300);
    trigger("N9");
    QTest::mouseMove(main->canvas(), canvasPoint({950, 950}));
    EXPECT_EQ(panel(7), room->hintText);
    EXPECT_FALSE(panel(7).isEmpty());
    EXPECT_EQ(panel(5), "空闲");
    trigger("zoomIn");
    trigger("zoomIn");
    EXPECT_EQ(panel(6), "140%");
    trigger("zoomStandard");
    EXPECT_EQ(room->zoom, 10);
    EXPECT_EQ(panel(6), "100%");
}

TEST_F(DesignWorkspace, ExportRotateAndLeavingTheCanvas) {
    rectangleRoomInDesign();
    choose(Panel);
    trigger("fillAll");

    // "导出设计图" writes the picture where the save dialog says.
    const QString file = staged.home().file("导出文件/客厅设计");
    prompts.answerPath(file);
    ASSERT_TRUE(action("exportPicture")->isEnabled());
    trigger("exportPicture");
    EXPECT_FALSE(QImage(file + ".jpg").isNull()) << qPrintable(prompts.shown.join('\n'));

    // "旋转" turns a 4 x 3 m room into a 3 x 4 m one.
    room->makeRectangle(400, 300);
    room->computeActiveRange();
    trigger("rotateRoom");
    Bounds box;
    ASSERT_TRUE(room->wall.planBounds(box));
    EXPECT_EQ(box.maxX - box.minX, 300);
    EXPECT_EQ(box.maxY - box.minY, 400);

    // Resting on the top edge's middle scrolls an unlocked canvas until the pointer leaves.
    trigger("manualAdjust");
    ASSERT_FALSE(room->lockCanvas);
    RoomCanvasWidget* canvas = main->canvas();
    QTest::mouseMove(canvas, {canvas->width() / 2, 2});
    EXPECT_TRUE(room->scrollTimerActive());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(canvas, &leave);
    EXPECT_FALSE(room->scrollTimerActive());
}
