#include "library/custom_product.h"
#include "platform/picture.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

TEST(CustomProductEditor, ScaleIsOnePixelPerFiveMillimetres) {
    struct Case {
        int width, height;
        QSize pixels;
    };
    for (const Case& c : {Case{300, 600, {60, 120}}, Case{4, 600, {0, 120}}, Case{5, 9, {1, 1}},
                          Case{304, 299, {60, 59}}, Case{0, 0, {0, 0}}}) {
        EXPECT_EQ(CustomProductEditor::pictureSize(c.width, c.height), c.pixels)
            << c.width << 'x' << c.height;
    }
    for (const auto& [path, name] : {std::pair{"/a/b/灯.bmp", "灯"},
                                     {"/a/灯.新.款.jpg", "灯"},
                                     {"/a.b/灯", ""},
                                     {"C:/x/.bmp", ""}}) {
        EXPECT_EQ(CustomProductEditor::nameFromFile(QString::fromUtf8(path)),
                  QString::fromUtf8(name))
            << path;
    }
}

TEST(CustomProductEditor, PictureChoiceResizingAndConfirmation) {
    TempFolder home;
    QImage source(40, 20, QImage::Format_RGB32);
    source.fill(Qt::blue);
    source.setPixelColor(0, 0, Qt::yellow);
    home.write(QStringLiteral("吸顶灯.大.BMP"), picture::writeBmp(source));
    home.write(QStringLiteral("坏.jpg"), "not a picture");

    CustomProductEditor editor({{}, QStringLiteral("旧"), 100, 100, 3, QStringLiteral(" u ")});
    EXPECT_EQ(editor.fields.infoAddress, QStringLiteral("u"));
    EXPECT_TRUE(editor.shown().isNull());
    EXPECT_FALSE(editor.choosePicture(home.file(QStringLiteral("坏.jpg"))));
    EXPECT_EQ(editor.fields.name, QStringLiteral("旧"));

    ASSERT_TRUE(editor.choosePicture(home.file(QStringLiteral("吸顶灯.大.BMP"))));
    EXPECT_EQ(editor.fields.name, QStringLiteral("吸顶灯"));
    EXPECT_EQ(editor.fields.width, 200);
    EXPECT_EQ(editor.fields.height, 100);
    EXPECT_EQ(editor.shown().size(), QSize(40, 20));

    editor.setSize(300, 600);
    EXPECT_EQ(editor.shown().size(), QSize(60, 120));
    editor.setSize(3, 600);
    EXPECT_EQ(editor.shown().width(), 0);
    // Drawn again from the picture as loaded, not from the last resized one.
    editor.setSize(200, 100);
    EXPECT_EQ(editor.shown().pixelColor(0, 0), QColor(Qt::yellow));
    EXPECT_EQ(editor.working().size(), QSize(40, 20));

    ScriptedPrompts prompts;
    editor.fields.name = QStringLiteral("  ");
    EXPECT_FALSE(editor.confirm(prompts));
    EXPECT_EQ(prompts.messages(), QStringList{"名称不能为空！"});
    editor.fields.name = QStringLiteral(" 新灯 ");
    editor.fields.kind = 2;
    EXPECT_TRUE(editor.confirm(prompts));
    const CustomProductValues result = editor.result();
    EXPECT_EQ(result.name, QStringLiteral("新灯"));
    EXPECT_EQ(result.kind, 2);
    EXPECT_EQ(result.width, 200);
    const QImage returned = picture::readBmp(result.picture);
    ASSERT_EQ(returned.size(), QSize(40, 20));
    EXPECT_TRUE(result.picture.startsWith("BM"));
}
