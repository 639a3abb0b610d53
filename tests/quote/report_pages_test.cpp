#include "report_fixture.h"

#include "core/rounding.h"
#include "platform/decimal_text.h"
#include "quote/report_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <map>

namespace {

class ReportPagesTest : public ReportTest {
protected:
    // Prints a page and moves it to `name` in the print folder, so later pages of the
    // same file name keep it.
    QString printAs(ReportMode mode, TRoom_OBJ* active, const QString& name) {
        const QString page = reports.print(mode, active);
        EXPECT_FALSE(page.isEmpty()) << name.toStdString();
        const QString target = QDir(reports.printFolder()).filePath(name);
        QFile::remove(target);
        EXPECT_TRUE(QFile::rename(page, target));
        return target;
    }

    // The fixed pages: one room, two rooms, and two rooms for company 308.
    std::map<QString, QString> allPages() {
        std::map<QString, QString> pages;
        TRoom_OBJ& first = addRoom(0);
        pages["one_room_current.htm"] = printAs(ReportMode::CurrentRoom, &first, "a.htm");
        TRoom_OBJ& second = addRoom(1);
        pages["two_rooms_current.htm"] = printAs(ReportMode::CurrentRoom, &second, "b.htm");
        pages["two_rooms_drawings.htm"] = printAs(ReportMode::DesignDrawings, nullptr, "c.htm");
        pages["two_rooms_statistics.htm"] = printAs(ReportMode::Statistics, nullptr, "d.htm");
        held.company.compid = SpecialLayoutCompany;
        pages["company308_current.htm"] = printAs(ReportMode::CurrentRoom, &second, "e.htm");
        pages["company308_drawings.htm"] = printAs(ReportMode::DesignDrawings, nullptr, "f.htm");
        pages["company308_statistics.htm"] = printAs(ReportMode::Statistics, nullptr, "g.htm");
        held.company.compid = 7;
        return pages;
    }

    static int count(const QString& text, const QString& what) { return int(text.count(what)); }
};

TEST_F(ReportPagesTest, PagesMatchTheirGoldenText) {
    const bool update = qEnvironmentVariableIsSet("YZ_UPDATE_GOLDEN");
    for (const auto& [name, path] : allPages()) {
        SCOPED_TRACE(name.toStdString());
        const QString golden = QStringLiteral(YZ_SOURCE_DIR "/tests/quote/golden/") + name;
        const QString page = decoded(path);
        QFile file(golden);
        if (update) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(page.toUtf8());
            continue;
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "run with YZ_UPDATE_GOLDEN=1 once";
        EXPECT_EQ(page.toStdString(), QString::fromUtf8(file.readAll()).toStdString());
    }
}

TEST_F(ReportPagesTest, EveryPageIsValidHtml401Transitional) {
    const QString tidy = tool("tidy");
    if (tidy.isEmpty()) {
        GTEST_SKIP() << "tidy is not installed";
    }
    for (const auto& [name, path] : allPages()) {
        QProcess process;
        process.start(tidy,
                      {QStringLiteral("-q"), QStringLiteral("-e"), QStringLiteral("-raw"), path});
        ASSERT_TRUE(process.waitForFinished(30000));
        // 0 clean, 1 warnings (such as the wheel handler no standard names), 2 errors.
        EXPECT_LT(process.exitCode(), 2) << name.toStdString() << "\n"
                                         << process.readAllStandardError().toStdString();
    }
}

// The table sum of a page is the statistics pass's grand total to two decimals.
TEST_F(ReportPagesTest, ABrowserPrintsTheCustomerTheTotalAndItsAmount) {
    const QString browser = tool("chromium");
    const QString pdftotext = tool("pdftotext");
    if (browser.isEmpty() || pdftotext.isEmpty()) {
        GTEST_SKIP() << "chromium or pdftotext is not installed";
    }
    TRoom_OBJ& room = addRoom(0);
    const QString current = reports.print(ReportMode::CurrentRoom, &room);
    const QString total = decimalText(double(rounding::halfEven64(bill.grandtotal() * 100)) / 100);
    const QString statistics = reports.print(ReportMode::Statistics, nullptr);
    for (const QString& page : {current, statistics}) {
        const QString pdf = home.file(QStringLiteral("page.pdf"));
        QFile::remove(pdf);
        QProcess render;
        render.start(browser, {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                               QStringLiteral("--disable-gpu"),
                               QStringLiteral("--user-data-dir=") + home.file("chromium"),
                               QStringLiteral("--print-to-pdf=") + pdf,
                               QUrl::fromLocalFile(page).toString()});
        ASSERT_TRUE(render.waitForFinished(120000));
        ASSERT_TRUE(QFile::exists(pdf)) << render.readAllStandardError().toStdString();
        QProcess text;
        text.start(pdftotext, {pdf, QStringLiteral("-")});
        ASSERT_TRUE(text.waitForFinished(30000));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        EXPECT_TRUE(printed.contains(QStringLiteral("张三"))) << printed.toStdString();
        EXPECT_TRUE(printed.contains(QStringLiteral("总计")));
        EXPECT_TRUE(printed.contains(total)) << total.toStdString();
    }
}

TEST_F(ReportPagesTest, TheCurrentRoomPageShowsTheProjectBillForOneRoomAndTheRoomsOwnForMore) {
    TRoom_OBJ& first = addRoom(0);
    QString page = decoded(reports.print(ReportMode::CurrentRoom, &first));
    EXPECT_EQ(opened, QStringList{QDir(reports.printFolder()).filePath("00_客厅.htm")});
    for (const char* caption : {"产品13[非显示]", "龙骨", "安装费", "产品21"}) {
        EXPECT_TRUE(page.contains(QString::fromUtf8(caption))) << caption;
    }
    // A heading is printed once, in the 类别 cell of its first product's row; the table's
    // own "总计" is not a row of products but the report's closing row.
    const QString headingRow = QStringLiteral("<tr><td class=\"tbox01b\">［附件］</td>"
                                              "<td class=\"tbox01\">  龙骨</td>");
    EXPECT_EQ(count(page, QStringLiteral("［附件］")), 1);
    EXPECT_EQ(count(page, headingRow), 1);
    EXPECT_EQ(count(page, QStringLiteral("总计")), 1);
    EXPECT_TRUE(page.contains(QStringLiteral("<td class=\"tbox01\">  产品11</td>")));
    EXPECT_TRUE(QFile::exists(QDir(reports.printFolder()).filePath("张三00_客厅.jpg")));

    TRoom_OBJ& second = addRoom(1);
    page = decoded(reports.print(ReportMode::CurrentRoom, &second));
    for (const char* absent : {"产品21", "产品12", "龙骨", "非显示"}) {
        EXPECT_FALSE(page.contains(QString::fromUtf8(absent))) << absent;
    }
    EXPECT_TRUE(page.contains(QStringLiteral("产品22")));

    // Without an outline there is nothing to print, and nothing is written.
    NewRoomRequest request;
    request.name = QStringLiteral("空房间");
    TRoom_OBJ& empty = project->CreatNewRoom(request);
    opened.clear();
    EXPECT_TRUE(reports.print(ReportMode::CurrentRoom, &empty).isEmpty());
    EXPECT_TRUE(reports.print(ReportMode::CurrentRoom, nullptr).isEmpty());
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(ReportPagesTest, DrawingsGoTwoToARowAndPicturesShrinkToFitThePage) {
    for (int i = 0; i < 3; ++i) {
        addRoom(i);
    }
    const QString page = decoded(reports.print(ReportMode::DesignDrawings, nullptr));
    EXPECT_EQ(count(page, QStringLiteral("<tr>\n<td width=\"50%\"")), 2) << "two rows";
    EXPECT_EQ(count(page, QStringLiteral("width=\"320\"")), 3);
    EXPECT_EQ(count(page, QStringLiteral("<td width=\"50%\"")), 3);
    for (int i = 0; i < 3; ++i) {
        const QString name = report_files::roomPictureName(
            QStringLiteral("张三"), i, project->room_list[std::size_t(i)].room->getName());
        EXPECT_TRUE(QFile::exists(QDir(reports.printFolder()).filePath(name))) << i;
    }

    struct Case {
        QSize pixels, shown;
    };
    for (const Case& c : {Case{{800, 900}, {480, 540}}, Case{{600, 500}, {600, 500}},
                          Case{{701, 10}, {631, 9}}, Case{{7000, 100}, {700, 10}}}) {
        EXPECT_EQ(report_files::shownPictureSize(c.pixels), c.shown) << c.pixels.width();
    }
}

} // namespace
