#include "cli_fixture.h"

#include <QImage>

// The room shown after opening, seen from inside at 1600 x 1000 on the display the tests
// run with; without a display the command says that it cannot draw and writes nothing.
TEST_F(CliTest, Render3dWritesTheRoomsPictureWhereThereIsADisplay) {
    const qint32 id = addDesignedCustomer(QStringLiteral("王五"), {QStringLiteral("客厅")});
    const QString file = home.file(QStringLiteral("效果.jpg"));
    const QStringList arguments{QStringLiteral("render3d"), QString::number(id),
                                QStringLiteral("--out"), file};

    const CliResult blind = run(arguments);
    EXPECT_EQ(blind.exitCode, 1);
    EXPECT_EQ(blind.errorLines,
              QStringList{QStringLiteral("yanzhou-cli: 本机没有可用的OpenGL,无法显示3D效果")});
    EXPECT_FALSE(QFile::exists(file));

    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        GTEST_SKIP() << "no X display to draw on (scripts/test.sh starts one)";
    }
    const CliResult drawn = run(arguments, true);
    ASSERT_EQ(drawn.exitCode, 0) << drawn.errorLines.join(u'\n').toStdString();
    EXPECT_EQ(drawn.out, file + u'\n');
    const QImage picture(file);
    EXPECT_EQ(picture.size(), QSize(1600, 1000));
    // The sky-grey background would mean the room was not drawn: the view from inside is
    // all ceiling and walls.
    EXPECT_NE(picture.pixelColor(800, 500).name(), QStringLiteral("#d8dde3"));
}
