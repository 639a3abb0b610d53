#include "design_products.h"
#include "staged_program.h"
#include "support/scripted_prompts.h"
#include "ui/main_actions.h"
#include "ui/program_start.h"
#include "ui/tmainfm.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

// Without a display's OpenGL (these tests run on the offscreen platform) "3D效果" says so
// and opens nothing; the main window goes on working.
TEST(View3DWithoutOpenGl, F3SaysSoAndTheProgramGoesOn) {
    StagedProgram staged;
    design_products::add(staged);
    ScriptedPrompts prompts;
    ProgramStart program{staged.path(), &prompts};
    ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
    Tmainfm* main = program.mainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    QTimer::singleShot(20, [] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Return);
        }
    });
    main->actions()[QStringLiteral("N71")]->trigger();
    main->actions()[QStringLiteral("modeDesign")]->trigger();
    QAction* view3d = main->actions()[QStringLiteral("view3d")];
    EXPECT_TRUE(main->actions().designToolBar()->actions().contains(view3d));

    prompts.shown.clear();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_F3);
    EXPECT_EQ(prompts.messages(),
              QStringList{QStringLiteral("本机没有可用的OpenGL,无法显示3D效果")});
    EXPECT_EQ(main->findChild<QWidget*>(QStringLiteral("ceiling3DWindow")), nullptr);

    main->actions()[QStringLiteral("undo")]->trigger();
    EXPECT_EQ(main->getActiveOBJ()->wall.pointCount(), 0);
}
