#include "render_fixture.h"

#include "design/design_picture_name.h"
#include "library/product_library.h"
#include "platform/picture.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace paint_sample;

TEST_F(RenderTest, PictureSizesFollowTheScaleAndTheMargins) {
    QImage picture;
    useOutline(rectangleCorners(400, 900, 1600, 1200));
    ASSERT_TRUE(room->designPicture(picture));
    EXPECT_EQ(picture.size(), QSize(1350, 390)) << "1200 cm wide: 1 pixel per cm";
    useOutline(rectangleCorners(600, 700, 1400, 1300));
    ASSERT_TRUE(room->designPicture(picture));
    EXPECT_EQ(picture.size(), QSize(1750, 1290)) << "800 x 600 cm: 2 pixels per cm";
    useOutline(rectangleCorners(600, 600, 1600, 1600));
    ASSERT_TRUE(room->designPicture(picture));
    EXPECT_EQ(picture.size(), QSize(2150, 2090)) << "exactly 1000 cm stays at 2";

    useOutline({});
    EXPECT_FALSE(room->designPicture(picture)) << "no outline";
}

TEST_F(RenderTest, ThePictureShowsTheDesignInsideItsFrame) {
    room->currentProduct = {Panel, KindSquarePanel, 0};
    room->placePanel({31, 31}, 0);
    QImage picture;
    ASSERT_TRUE(room->designPicture(picture));
    // 2 pixels per cm with the room's top-left at (75, 45).
    ASSERT_EQ(picture.size(), QSize(750, 690));
    const auto pixel = [&picture](int x, int y) { return fromQRgb(picture.pixel(x, y)); };
    EXPECT_EQ(pixel(100, 70), PanelColour);
    EXPECT_EQ(pixel(135, 70), Grey) << "the panel's edge";
    EXPECT_EQ(pixel(150, 80), Ceiling) << "an empty cell";
    EXPECT_EQ(pixel(75, 300), colors::Black) << "the wall";
    EXPECT_EQ(pixel(30, 300), colors::White) << "the margin";
    EXPECT_EQ(pixel(0, 300), colors::Black) << "the frame";
    EXPECT_EQ(pixel(749, 689), colors::Black);
}

TEST_F(RenderTest, APictureHasNoDoorLeaves) {
    useOutline({{900, 900}, {1000, 900}, {1200, 900}, {1200, 1200}, {900, 1200}},
               {DoorEnd, DoorEnd, PlainCorner, PlainCorner, PlainCorner});
    QImage picture;
    ASSERT_TRUE(room->designPicture(picture));
    EXPECT_EQ(fromQRgb(picture.pixel(175, 45)), colors::Green) << "the door";
    // On the canvas the leaf would stand at the hinge (275, 45) down into the room.
    EXPECT_NE(fromQRgb(picture.pixel(275, 145)), colors::Green);
}

TEST_F(RenderTest, TheViewIsTheSameAfterAnExport) {
    placeEverywhere(*room, Panel, 31, 31, 40, 40);
    addObject(*room, Floating, KindFloating, 950, 950);
    room->zoomIn();
    const QImage before = painted().copy();
    const QPoint origin = room->wall.getOrigin();
    const QList<QPoint> points = room->wall.canvasPoints();
    const ObjectBox box = room->objects[0]->canvasRect;

    ScriptedPrompts prompts;
    TempFolder folder;
    room->prompts = &prompts;
    prompts.answerPath(folder.file(QStringLiteral("design.jpg")));
    ASSERT_TRUE(room->exportDesignImage(QStringLiteral("张三")));

    EXPECT_EQ(room->zoom, 12);
    EXPECT_EQ(room->wall.paperWidth(), 2400);
    EXPECT_EQ(room->wall.getOrigin(), origin);
    EXPECT_EQ(room->wall.canvasPoints(), points);
    EXPECT_EQ(room->objects[0]->canvasRect.left, box.left);
    EXPECT_EQ(room->objects[0]->canvasRect.right, box.right);
    EXPECT_EQ(room->hitTest({box.left + 5, box.top + 5}), 0) << "hit tests still use the canvas";
    EXPECT_EQ(painted(), before);
}

TEST_F(RenderTest, ExportWritesAJpegOfThePicturesSize) {
    ScriptedPrompts prompts;
    TempFolder folder;
    room->prompts = &prompts;
    room->setName(QStringLiteral("客厅"));
    prompts.answerPath(folder.file(QStringLiteral("design")));
    ASSERT_TRUE(room->exportDesignImage(QStringLiteral("张三")));
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0], QStringLiteral("save:导出设计图|张三-客厅.jpg|jpeg (*.jpg)|*.jpg"));

    QFile file(folder.file(QStringLiteral("design.jpg")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the default extension is added";
    const QImage decoded = picture::decodeJpeg(file.readAll());
    EXPECT_EQ(decoded.size(), QSize(750, 690));
}

TEST_F(RenderTest, ACancelledExportWritesNothing) {
    ScriptedPrompts prompts;
    room->prompts = &prompts;
    prompts.answerCancel();
    EXPECT_FALSE(room->exportDesignImage(QStringLiteral("张三")));
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(RenderTest, AnExportThatCannotBeWrittenSaysSo) {
    ScriptedPrompts prompts;
    TempFolder folder;
    room->prompts = &prompts;
    prompts.answerPath(folder.file(QStringLiteral("missing/folder/design.jpg")));
    EXPECT_FALSE(room->exportDesignImage(QStringLiteral("张三")));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages()[0].contains(QStringLiteral("design.jpg")));
}

TEST(DesignPictureName, CharactersThatCannotStandInAFileNameAreReplaced) {
    EXPECT_EQ(designPictureFileName(QStringLiteral("张三"), QStringLiteral("客厅")),
              QStringLiteral("张三-客厅.jpg"));
    EXPECT_EQ(designPictureFileName(QStringLiteral("a/b\\c"), QStringLiteral("d:e*f?")),
              QStringLiteral("a_b_c-d_e_f_.jpg"));
    EXPECT_EQ(designPictureFileName(QStringLiteral("\"x\"<y>|"), QStringLiteral("z\tw\n")),
              QStringLiteral("_x__y__-z_w.jpg"));
    EXPECT_EQ(designPictureFileName(QStringLiteral(".."), QStringLiteral("..")),
              QStringLiteral("..-.jpg"))
        << "trailing dots are dropped";
    EXPECT_EQ(designPictureFileName(QStringLiteral(" 李四 "), QStringLiteral("卧室 . ")),
              QStringLiteral("李四-卧室.jpg"));
}
