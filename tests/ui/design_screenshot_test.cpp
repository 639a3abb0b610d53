#include "library/product_library.h"
#include "platform/database.h"
#include "platform/picture.h"
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
#include <QPainter>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

// A product picture: a bordered tile in one colour.
QByteArray tile(QColor colour, int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    QPainter p(&image);
    p.setPen(colour.darker(140));
    p.drawRect(0, 0, w - 1, h - 1);
    p.drawLine(w / 2, 2, w / 2, h - 3);
    p.end();
    return picture::writeBmp(image);
}

void addProducts(const StagedProgram& staged) {
    Database db;
    ASSERT_TRUE(db.open(staged.home().file("数据文件/db.data")));
    db.exec("insert into cailiao (id, cailiao, comp_id, stauts) values (1,'扣板',0,0)");
    db.exec("insert into xinghao (id, xinghao, cailiao_id, stauts) values (1,'方扣板',1,0)");
    const auto product = [&db](int id, const QString& title, QColor colour) {
        db.exec("insert into pic (id, xinghao_id, title, style, width, height, price, danwei, "
                "l_img, stauts) values (?,1,?,?,300,300,20,'块',?,0)",
                {id, title, KindSquarePanel, tile(colour, 30, 30)});
    };
    product(201, QStringLiteral("珍珠白方板"), QColor(235, 235, 228));
    product(202, QStringLiteral("浅灰拉丝板"), QColor(170, 180, 190));
}

} // namespace

// The main window at 1600 x 1000 with a designed room, kept as a picture in the build
// folder for a look at the layout: the canvas takes its page less 10 pixels each side and
// the tool bars fit the window.
TEST(DesignScreenshot, ADesignedRoomFillsTheWindow) {
    StagedProgram staged;
    addProducts(staged);
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
    Tmainfm* main = program.mainWindow();
    main->resize(1600, 1000);
    TRoom_OBJ* room = main->getActiveOBJ();
    room->makeRectangle(420, 330);
    MainActions& actions = main->actions();
    actions["modeDesign"]->trigger();
    main->pickerRowChosen(201, KindSquarePanel, {});
    actions["fillAll"]->trigger();
    main->pickerRowChosen(202, KindSquarePanel, {});
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
    const QString file = QDir::current().filePath(QStringLiteral("design_workspace.png"));
    EXPECT_TRUE(shot.save(file)) << qPrintable(file);
}
