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
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

// The skins delivered with the program: name and style sheet.
QList<std::pair<QString, QString>> deliveredSkins() {
    QList<std::pair<QString, QString>> skins;
    const QDir folder(QStringLiteral(YZ_SOURCE_DIR "/data/skins"));
    for (const QFileInfo& info : folder.entryInfoList({QStringLiteral("*.qss")}, QDir::Files)) {
        QFile file(info.filePath());
        if (file.open(QIODevice::ReadOnly)) {
            skins.push_back({info.completeBaseName(), QString::fromUtf8(file.readAll())});
        }
    }
    return skins;
}

// Beside the test program, in the build folder.
QString besideTheTest(const QString& name) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

} // namespace

// The main window at 1600 x 1000 with a designed room, kept as a picture in the build
// folder for a look at the layout: the canvas takes its page less 10 pixels each side and
// the tool bars fit the window. One more picture per delivered skin, with the new-room
// dialog in a strip mode (a disabled size field) beside it.
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
    const QString file = besideTheTest(QStringLiteral("design_workspace.png"));
    EXPECT_TRUE(shot.save(file)) << qPrintable(file);

    auto* newRoom = main->findChild<QDialog*>(QStringLiteral("newroomfm"));
    ASSERT_NE(newRoom, nullptr);
    newRoom->findChildren<QRadioButton*>().at(1)->click();
    for (const auto& [name, sheet] : deliveredSkins()) {
        qApp->setStyleSheet(sheet);
        QApplication::processEvents();
        QImage skinned(shot.width() + 420, shot.height(), QImage::Format_RGB32);
        skinned.fill(Qt::gray);
        QPainter painter(&skinned);
        painter.drawImage(0, 0, main->grab().toImage());
        newRoom->adjustSize();
        painter.drawImage(shot.width() + 10, 10, newRoom->grab().toImage());
        painter.end();
        const QString skinFile = besideTheTest(QStringLiteral("design_workspace_%1.png").arg(name));
        EXPECT_TRUE(skinned.save(skinFile)) << qPrintable(skinFile);
    }
    qApp->setStyleSheet(QString());
}
