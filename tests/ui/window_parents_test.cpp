// Windows stay above the window they were opened from: every window of the program has a
// parent, and a question belongs to the window that asks it, not to the main window.

#include "staged_program.h"
#include "support/scripted_prompts.h"
#include "ui/program_start.h"
#include "ui/qt_prompts.h"
#include "ui/tmainfm.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

TEST(WindowParents, EveryWindowTheProgramMakesHasAParent) {
    const QWidgetList before = QApplication::topLevelWidgets();
    StagedProgram staged;
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
    Tmainfm* main = program.mainWindow();
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == main || before.contains(w) || w->windowType() == Qt::Desktop ||
            w->inherits("QTipLabel")) {
            continue;
        }
        ++windows;
        EXPECT_NE(w->parentWidget(), nullptr)
            << w->metaObject()->className() << " " << w->objectName().toStdString() << " "
            << w->windowTitle().toStdString();
    }
    EXPECT_GT(windows, 5);
}

TEST(WindowParents, AQuestionBelongsToTheWindowThatAsksIt) {
    QWidget main;
    main.setWindowTitle(QStringLiteral("main"));
    QWidget manager(&main, Qt::Window);
    manager.setWindowTitle(QStringLiteral("manager"));
    main.show();
    manager.show();
    QtPrompts prompts(&main);

    const std::function<void()> questions[] = {
        [&] { prompts.inputText(QStringLiteral("新建大类:"), QStringLiteral("类别名"), {}); },
        [&] { prompts.chooseOpenFile(QStringLiteral("数据库备份-价格备份"), {}, {}); },
        [&] { prompts.message(QStringLiteral("成功导出产品价格!")); },
    };
    for (const auto& ask : questions) {
        // The manager is the window in use when it asks.
        manager.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&manager));
        QWidget* owner = nullptr;
        QTimer::singleShot(0, &manager, [&owner] {
            QWidget* question = QApplication::activeModalWidget();
            ASSERT_NE(question, nullptr);
            owner = question->parentWidget();
            static_cast<QDialog*>(question)->reject();
        });
        ask();
        EXPECT_EQ(owner, &manager) << "closing it gives the focus back to the manager";
    }
}
