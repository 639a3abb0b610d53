#include "cli_fixture.h"

#include "catalogue/program_data.h"
#include "core/troom_obj.h"
#include "quote/setup_keys.h"
#include "store/cutting_stock_table.h"
#include "support/pdf_text.h"

#include <QFile>

// "cutting": the cutting list of a stored customer's strip rooms with the stock length
// the dealer kept for it and the saw allowance of the settings, on the output or into a
// file, the same text both ways.
TEST_F(CliTest, CuttingWritesTheCuttingListOfTheStripRooms) {
    // Rooms of 300 × 240 and 360 × 240 cm laid with 100 mm strips: 30 runs and 36 runs.
    const qint32 id =
        addDesignedCustomer(QStringLiteral("赵六"),
                            {QStringLiteral("厨房"), QStringLiteral("卫生间")}, StripsAlongColumns);
    ASSERT_TRUE(SetupFile(home.file(QStringLiteral("setup.ini"))).write(setup::sawKerf, 5));
    const QString idText = QString::number(id);

    // The strip's own length is below a run and the dealer gave none: no plan yet.
    const CliResult unplanned = run({QStringLiteral("cutting"), idText});
    ASSERT_EQ(unplanned.exitCode, 0) << unplanned.errorLines.join(u'\n').toStdString();
    QStringList lines = unplanned.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 30 + 36 + 1);
    const QString title = lines.first().section(u'\t', 1, 1);
    EXPECT_EQ(lines.first(), QStringLiteral("产品\t%1\t原料长度(mm)\t\t锯口(mm)\t5").arg(title));
    EXPECT_EQ(lines.at(1), QStringLiteral("下料\t厨房\t240"));
    EXPECT_EQ(lines.at(31), QStringLiteral("下料\t卫生间\t240"));
    EXPECT_EQ(lines.last(), QStringLiteral("合计\t未给原料长度"));

    // Bars of 5 m: two runs each with one cut between (4805 mm), 33 bars against a bound
    // of ⌈158.4 ÷ 5⌉ = 32, since no three runs share a bar; 66 runs are more than the
    // exact search takes.
    Database library;
    ASSERT_TRUE(library.open(program_data::libraryPath(home.path())));
    const qint32 strip =
        library.scalar(QStringLiteral("select id from pic where title = ?"), {title}).toInt();
    cutting_stock_table::write(storeDb, id, {{strip, 5000}});
    const CliResult planned = run({QStringLiteral("cutting"), idText});
    ASSERT_EQ(planned.exitCode, 0) << planned.errorLines.join(u'\n').toStdString();
    lines = planned.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 66 + 33 + 1);
    EXPECT_EQ(lines.at(67), QStringLiteral("原料\t1\t2400 + 2400\t余料(mm)\t190"));
    EXPECT_EQ(
        lines.last(),
        QStringLiteral("合计\t根数\t33\t下限\t32\t损耗(m)\t6.60\t损耗率(%)\t4.0\t首次适应递减"));

    const QString file = home.file(QStringLiteral("下料单.tsv"));
    const CliResult written =
        run({QStringLiteral("cutting"), idText, QStringLiteral("--out"), file});
    ASSERT_EQ(written.exitCode, 0) << written.errorLines.join(u'\n').toStdString();
    EXPECT_EQ(written.out, file + u'\n');
    QFile tsv(file);
    ASSERT_TRUE(tsv.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(tsv.readAll()), planned.out);

    // "quote --cutting" follows the quotation with the same plan; only "quote" takes it.
    for (const bool withCutting : {false, true}) {
        const QString pdf =
            home.file(withCutting ? QStringLiteral("附.pdf") : QStringLiteral("无.pdf"));
        QStringList arguments{QStringLiteral("quote"), idText, QStringLiteral("--pdf"), pdf};
        if (withCutting) {
            arguments << QStringLiteral("--cutting");
        }
        const CliResult quoted = run(arguments);
        ASSERT_EQ(quoted.exitCode, 0) << quoted.errorLines.join(u'\n').toStdString();
        const QString text = pdfText(pdf);
        ASSERT_TRUE(text.contains(QStringLiteral("总计"))) << withCutting;
        EXPECT_EQ(text.contains(QStringLiteral("下料单")), withCutting);
        EXPECT_EQ(text.contains(QStringLiteral("首次适应递减")), withCutting);
    }
    EXPECT_NE(run({QStringLiteral("cutting"), idText, QStringLiteral("--cutting")}).exitCode, 0);

    // A customer without strips is told so, not given an empty output.
    const qint32 squares = addDesignedCustomer(QStringLiteral("孙七"), {QStringLiteral("客厅")});
    EXPECT_EQ(run({QStringLiteral("cutting"), QString::number(squares)}).out,
              QStringLiteral("参加统计的房间中没有条形扣板\n"));
}
