#include "design_products.h"
#include "staged_program.h"
#include "support/scripted_prompts.h"
#include "ui/design_statistics_panel.h"
#include "ui/main_actions.h"
#include "ui/program_start.h"
#include "ui/room_canvas_widget.h"
#include "ui/tmainfm.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

// The main window at 1600 x 1000 with a designed room, kept as a picture in the build
// folder for a look at the layout: the canvas takes its page less 10 pixels each side and
// the tool bars fit the window.
TEST(DesignScreenshot, ADesignedRoomFillsTheWindow) {
    StagedProgram staged;
    design_products::add(staged);
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
    Tmainfm* main = program.mainWindow();
    main->resize(1600, 1000);
    TRoom_OBJ* room = main->getActiveOBJ();
    room->makeRectangle(420, 330);
    MainActions& actions = main->actions();
    actions["modeDesign"]->trigger();
    ASSERT_TRUE(design_products::choose(*main, design_products::Panel));
    actions["fillAll"]->trigger();
    ASSERT_TRUE(design_products::choose(*main, design_products::Accent));
    actions["fillPattern5"]->trigger();
    actions["designTool2"]->trigger();
    QTest::qWait(50);
    QApplication::processEvents();

    RoomCanvasWidget* canvas = main->canvas();
    QWidget* page = main->pageControl()->currentWidget();
    EXPECT_EQ(canvas->width(), page->width() - 20);
    EXPECT_GE(canvas->height(), 300);
    for (QToolBar* bar : {actions.mainToolBar(), actions.designToolBar()}) {
        EXPECT_LE(bar->sizeHint().width(), main->width()) << qPrintable(bar->objectName());
    }
    EXPECT_GT(main->statisticsPanel()->view().rows().size(), 1u);

    const QImage shot = main->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    // Beside the test program, in the build folder.
    const QString file = QDir(QCoreApplication::applicationDirPath())
                             .filePath(QStringLiteral("design_workspace.png"));
    EXPECT_TRUE(shot.save(file)) << qPrintable(file);
}
