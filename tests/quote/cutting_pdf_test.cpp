#include "report_fixture.h"
#include "strip_rooms.h"

#include <QProcess>

// "附下料单" ticked in the PDF export's dialog: the quotation is followed by the cutting
// list on pages of its own; left unticked, the quotation alone.
TEST_F(ReportTest, TheQuotationTakesTheCuttingListWhenTicked) {
    const QString pdftotext = tool("pdftotext");
    if (pdftotext.isEmpty()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    const qint32 strip = firstStrip(library);
    addLaidRoom(*project, QStringLiteral("厨房"), StripsAlongColumns, strip, 360, 270);
    project->cuttingStock[strip] = 6000;
    const auto exported = [&](bool tick) {
        const QString file =
            home.file(tick ? QStringLiteral("with.pdf") : QStringLiteral("without.pdf"));
        prompts.ticks = tick;
        prompts.answerPath(file);
        EXPECT_EQ(reports.exportPdf(ReportMode::Statistics), file);
        QProcess process;
        process.start(pdftotext, {file, QStringLiteral("-")});
        EXPECT_TRUE(process.waitForFinished(30000));
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    const QString with = exported(true);
    const QString without = exported(false);
    EXPECT_FALSE(without.contains(QStringLiteral("下料单")));
    ASSERT_TRUE(with.startsWith(without.section(u'\f', 0, 0))) << "the quotation comes first";
    const QString cutting = with.mid(with.indexOf(QStringLiteral("下料单")));
    EXPECT_TRUE(cutting.contains(QStringLiteral("原料长度 6000 mm")));
    EXPECT_EQ(cutting.count(QStringLiteral("2700 + 2700")), 18);
    EXPECT_TRUE(cutting.contains(QStringLiteral("需原料 18 根（下限 17 根）")))
        << cutting.toStdString();
    EXPECT_GT(with.count(u'\f'), without.count(u'\f')) << "on pages of its own";
}
