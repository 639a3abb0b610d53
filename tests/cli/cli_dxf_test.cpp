#include "cli_fixture.h"

#include "support/dxf_readback.h"

#include <QDir>
#include <QJsonArray>

// "dxf" writes one drawing per room into the folder given, named from the customer and
// the room, a second room of the same name numbered; --room picks one room.
TEST_F(CliTest, DxfWritesEveryRoomOrTheOneGivenAsDrawingsThatEzdxfReads) {
    const qint32 id = addDesignedCustomer(QStringLiteral("孙七"),
                                          {QStringLiteral("客厅"), QStringLiteral("客厅")});
    const QString customer = QString::number(id);
    const QString folder = home.file(QStringLiteral("图纸"));
    const CliResult all = run({QStringLiteral("dxf"), customer, QStringLiteral("--out"), folder});
    ASSERT_EQ(all.exitCode, 0) << all.errorLines.join(u'\n').toStdString();
    const QString first = QDir(folder).filePath(QStringLiteral("孙七-客厅.dxf"));
    const QString second = QDir(folder).filePath(QStringLiteral("孙七-客厅 (2).dxf"));
    EXPECT_EQ(all.out, first + u'\n' + second + u'\n');

    const QJsonObject dxf = readDxfBack(second);
    EXPECT_TRUE(dxf["errors"].toArray().isEmpty());
    const QJsonObject counts = dxf["counts"].toObject();
    EXPECT_EQ(counts[QStringLiteral("墙体")].toInt(), 1);
    EXPECT_EQ(counts[QStringLiteral("尺寸")].toInt(), 4);
    EXPECT_GT(counts[QStringLiteral("方扣板")].toInt(), 0);
    EXPECT_EQ(dxf["texts"].toArray().first().toObject()["text"].toString(), QStringLiteral("客厅"));

    const QString one = home.file(QStringLiteral("一间"));
    const CliResult picked = run({QStringLiteral("dxf"), customer, QStringLiteral("--room"),
                                  QStringLiteral("2"), QStringLiteral("--out"), one});
    ASSERT_EQ(picked.exitCode, 0) << picked.errorLines.join(u'\n').toStdString();
    EXPECT_EQ(picked.out, QDir(one).filePath(QStringLiteral("孙七-客厅.dxf")) + u'\n');

    const CliResult missing = run({QStringLiteral("dxf"), customer, QStringLiteral("--room"),
                                   QStringLiteral("3"), QStringLiteral("--out"), one});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_TRUE(missing.errorLines.join(u'\n').contains(QStringLiteral("没有第3个房间")))
        << missing.errorLines.join(u'\n').toStdString();
    const CliResult noFolder = run({QStringLiteral("dxf"), customer});
    EXPECT_NE(noFolder.exitCode, 0);
    EXPECT_TRUE(
        noFolder.errorLines.join(u'\n').contains(QStringLiteral("dxf ID [--room N] --out DIR")));
}
