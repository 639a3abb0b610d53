#include "platform/picture.h"
#include "report_fixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>

namespace {

class ReportPdfTest : public ReportTest {
protected:
    void SetUp() override {
        for (const char* name : {"pdftotext", "pdfinfo", "pdffonts", "pdfimages"}) {
            if (tool(name).isEmpty()) {
                GTEST_SKIP() << name << " (poppler-utils) is not installed";
            }
        }
        QImage logo(172, 60, QImage::Format_RGB32);
        logo.fill(Qt::darkBlue);
        home.write(QStringLiteral("sign.data"), picture::writeBmp(logo));
    }

    // The standard output of a poppler tool run on `pdf`.
    static QString run(const char* name, const QString& pdf, QStringList arguments = {}) {
        arguments << pdf;
        if (qstrcmp(name, "pdftotext") == 0) {
            arguments << QStringLiteral("-");
        }
        QProcess process;
        process.start(tool(name), arguments);
        EXPECT_TRUE(process.waitForFinished(30000)) << name;
        EXPECT_EQ(process.exitCode(), 0) << name << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    static QString info(const QString& pdf, const char* key) {
        const QRegularExpression line(QString::fromLatin1(key) + QStringLiteral(":\\s*(.*)\\n"));
        return line.match(run("pdfinfo", pdf)).captured(1).trimmed();
    }
    // The sums of the bill tables ("总计" rows) of an HTML page, in order.
    static QStringList tableSums(const QString& page) {
        static const QRegularExpression sum(
            QStringLiteral("总计</td>(?:<td class=\"tbox01\">&nbsp;</td>){6}"
                           "<td class=\"tbox01\">([0-9.]+)</td>"));
        QStringList sums;
        for (const QRegularExpressionMatch& m : sum.globalMatch(page)) {
            sums << m.captured(1);
        }
        return sums;
    }
};

TEST_F(ReportPdfTest, TheQuotationPrintsWhatThePagePrintsOnEmbeddedSearchableA4Pages) {
    addRoom(0);
    addRoom(1);
    const QStringList sums = tableSums(decoded(reports.print(ReportMode::Statistics, nullptr)));
    ASSERT_EQ(sums.size(), 3) << "the summary and one table per room";

    const QString pdf = home.file(QStringLiteral("out/报价单.pdf"));
    QDir().mkpath(home.file(QStringLiteral("out")));
    opened.clear();
    ASSERT_EQ(reports.writePdf(ReportMode::Statistics, pdf), pdf);
    EXPECT_TRUE(opened.isEmpty()) << "writing alone opens nothing";
    EXPECT_EQ(QDir(home.file(QStringLiteral("out"))).entryList(QDir::Files),
              QStringList{"报价单.pdf"});

    // Table cells come out one to a line; the layout text keeps a row together.
    const QString text = run("pdftotext", pdf, {QStringLiteral("-layout")});
    for (const char* expected :
         {"张三", "HT0012", "阳光小区 5栋101", "产品11", "产品12", "产品13[非显示]", "产品21",
          "产品22", "龙骨", "安装费", "经销商地址：文一路88号", "所有房间的汇总表"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    EXPECT_EQ(text.count(QStringLiteral("总计")), 3);
    const QRegularExpression sumLine(QStringLiteral("总计\\s+([0-9.]+)"));
    QStringList printed;
    for (const QRegularExpressionMatch& m : sumLine.globalMatch(text)) {
        printed << m.captured(1);
    }
    EXPECT_EQ(printed, sums);
    EXPECT_FALSE(text.contains(QStringLiteral("bbimg"))) << "the page's script is not text";

    EXPECT_EQ(info(pdf, "Pages"), "1");
    EXPECT_TRUE(info(pdf, "Page size").endsWith("(A4)")) << info(pdf, "Page size").toStdString();
    // One font, the program's own, embedded: two heading lines, then one line per font.
    const QStringList fonts = run("pdffonts", pdf).split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_EQ(fonts.size(), 1) << fonts.join(u'\n').toStdString();
    EXPECT_TRUE(fonts[0].startsWith(QStringLiteral("WenQuanYiMicroHei ")))
        << fonts[0].toStdString();
    EXPECT_TRUE(fonts[0].contains(QStringLiteral(" yes "))) << fonts[0].toStdString();
}

// The page's frame of 700 pixels is a least height in a browser: a longer bill flows on
// to further pages, and the foot follows the last table.
TEST_F(ReportPdfTest, ALongQuotationFlowsOverPagesWithTheFootAfterTheLastTable) {
    const int rooms = 9;
    for (int i = 0; i < rooms; ++i) {
        addRoom(i % 3);
    }
    const QString pdf = home.file(QStringLiteral("long.pdf"));
    ASSERT_EQ(reports.writePdf(ReportMode::Statistics, pdf), pdf);
    EXPECT_GT(info(pdf, "Pages").toInt(), 1);
    const QString text = run("pdftotext", pdf, {QStringLiteral("-layout")});
    EXPECT_EQ(text.count(QStringLiteral("总计")), rooms + 1);
    EXPECT_EQ(text.count(QStringLiteral("类别")), rooms + 1);
    EXPECT_GT(text.indexOf(QStringLiteral("经销商地址")), text.lastIndexOf(QStringLiteral("总计")));
}

// Every bill row of the HTML page, its figures included, is one line of the PDF text, as
// often as the page has it: no row is split over two pages, and the category stays with
// its first line.
TEST_F(ReportPdfTest, EveryBillRowOfThePageIsOneLineOfTheQuotation) {
    for (int i = 0; i < 9; ++i) {
        addRoom(i % 3);
    }
    const QString page = decoded(reports.print(ReportMode::Statistics, nullptr));
    const QString pdf = home.file(QStringLiteral("rows.pdf"));
    ASSERT_EQ(reports.writePdf(ReportMode::Statistics, pdf), pdf);
    ASSERT_GT(info(pdf, "Pages").toInt(), 1);
    const QString text = run("pdftotext", pdf, {QStringLiteral("-layout")});

    static const QRegularExpression rowPattern(
        QStringLiteral("<tr><td class=\"tbox01b\">(.*)</td></tr>"));
    static const QRegularExpression cellBreak(QStringLiteral("</td><td class=\"tbox01\">"));
    QMap<QString, int> rows;
    for (const QRegularExpressionMatch& m : rowPattern.globalMatch(page)) {
        QStringList cells = m.captured(1).split(cellBreak);
        cells.removeAll(QStringLiteral("&nbsp;"));
        for (QString& cell : cells) {
            cell = QRegularExpression::escape(cell);
        }
        ++rows[QStringLiteral("^\\s*") + cells.join(QStringLiteral("\\s+")) +
               QStringLiteral("\\s*$")];
    }
    ASSERT_GT(rows.size(), 10);
    for (auto row = rows.cbegin(); row != rows.cend(); ++row) {
        const QRegularExpression line(row.key(), QRegularExpression::MultilineOption);
        EXPECT_EQ(text.count(line), row.value()) << row.key().toStdString();
    }
}

TEST_F(ReportPdfTest, TheDesignSchemeShowsTheLogoAndEveryRoomPicture) {
    for (int i = 0; i < 3; ++i) {
        addRoom(i);
    }
    const QString pdf = home.file(QStringLiteral("设计方案.pdf"));
    ASSERT_EQ(reports.writePdf(ReportMode::DesignDrawings, pdf), pdf);
    // pdfimages lists two heading lines, then one line per picture.
    const QStringList images =
        run("pdfimages", pdf, {QStringLiteral("-list")}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    EXPECT_EQ(images.size(), 4) << "the logo and three rooms";
    const QString text = run("pdftotext", pdf);
    for (const char* room : {"客厅", "卧室", "厨房"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(room))) << room;
    }
    EXPECT_FALSE(text.contains(QStringLiteral("总计")));
}

// With a source of 3D pictures, each room's follows its plan: after each row of two plans
// the row of their 3D pictures, as large as the source was asked to draw them.
TEST_F(ReportPdfTest, TheDesignSchemeShowsEachRoomIn3DAfterItsPlan) {
    for (int i = 0; i < 3; ++i) {
        addRoom(i);
    }
    std::vector<int> asked;
    reports.roomPicture3D = [&asked](int index, QSize size) {
        asked.push_back(index);
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv(index * 100, 200, 200));
        return picture;
    };
    const QString pdf = home.file(QStringLiteral("设计方案.pdf"));
    ASSERT_EQ(reports.writePdf(ReportMode::DesignDrawings, pdf), pdf);
    EXPECT_EQ(asked, (std::vector<int>{0, 1, 2}));
    // pdfimages: two heading lines, then per picture its page, number, type, width, height.
    QStringList sizes;
    for (const QString& line :
         run("pdfimages", pdf, {QStringLiteral("-list")}).split(u'\n', Qt::SkipEmptyParts).mid(2)) {
        const QStringList fields = line.simplified().split(u' ');
        sizes << (fields.value(3) + u'x' + fields.value(4));
    }
    ASSERT_EQ(sizes.size(), 7) << qPrintable(sizes.join(u' '));
    // The logo, two plans, their 3D pictures, the third plan and its 3D picture.
    QString shapes;
    for (const QString& size : sizes) {
        shapes += size == QStringLiteral("640x400") ? u'3' : u'p';
    }
    EXPECT_EQ(shapes, QStringLiteral("ppp33p3")) << qPrintable(sizes.join(u' '));
}

TEST_F(ReportPdfTest, TheExportProposesASafeNameAndAHostileNamePrintsAsTyped) {
    addRoom(0);
    const QString hostile = QStringLiteral("<b>&\"x'</b>王/五");
    project->customer.name = hostile;
    prompts.answerPath(home.file(QStringLiteral("quote")));
    const QString pdf = reports.exportPdf(ReportMode::Statistics);
    EXPECT_EQ(pdf, home.file(QStringLiteral("quote.pdf")));
    EXPECT_EQ(prompts.shown.last(), QStringLiteral("save:导出PDF报价单|") +
                                        home.file(QStringLiteral("导出文件/")) +
                                        QStringLiteral("_b_&_x'__b_王_五_报价单.pdf|PDF|*.pdf"));
    EXPECT_EQ(opened, QStringList{pdf});
    EXPECT_TRUE(run("pdftotext", pdf).contains(hostile));

    // Cancelled, nothing is written or opened; an unwritable file is reported.
    prompts.answerCancel();
    EXPECT_TRUE(reports.exportPdf(ReportMode::DesignDrawings).isEmpty());
    const QString missing = home.file(QStringLiteral("no/such/folder/x.pdf"));
    EXPECT_TRUE(reports.writePdf(ReportMode::Statistics, missing).isEmpty());
    EXPECT_FALSE(QFile::exists(missing));
    ASSERT_FALSE(prompts.messages().isEmpty());
    EXPECT_TRUE(prompts.messages().last().startsWith(QStringLiteral("无法写入文件：")));
    EXPECT_EQ(opened.size(), 1);
}

} // namespace
