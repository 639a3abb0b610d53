#include "report_fixture.h"

#include "platform/gbk.h"
#include "quote/dealer_details.h"
#include "quote/export_folder.h"
#include "quote/html_text.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

namespace {

class ReportExportTest : public ReportTest {
protected:
    // Exports through a dialog that takes the proposed name under the start folder.
    QString exportAccepted(ReportMode mode, TRoom_OBJ* active) {
        reports.chooseExportFolder = [this](const QString& start, const QString& proposal) {
            proposals.append(proposal);
            return export_folder::accept(start, proposal, prompts).value_or(QString());
        };
        return reports.exportPage(mode, active);
    }

    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }

    QStringList proposals;
};

TEST_F(ReportExportTest, StatisticsFilesHaveACaptionLineAndOneTabEndedLinePerRow) {
    TRoom_OBJ& room = addRoom(0);
    struct Case {
        TRoom_OBJ* active;
        int compid;
        QStringList captions;
        const char* proposedName;
    };
    const QStringList roomCaptions{"产品", "规格", "数量", "单位"};
    const QStringList tableCaptions{"产品", "规格",       "数量",      "修正",
                                    "单位", "单价（元）", "金额（元）"};
    const QStringList numbered{"产品", "产品编号", "规格", "数量", "单位"};
    for (const Case& c : {Case{&room, 7, roomCaptions, "张三-客厅.xls"},
                          Case{nullptr, 7, tableCaptions, "张三.xls"},
                          Case{&room, 33, numbered, "张三-客厅.xls"}}) {
        SCOPED_TRACE(c.compid);
        held.company.compid = c.compid;
        const QString path = home.file(QStringLiteral("out/统计"));
        QDir().mkpath(home.file("out"));
        prompts.answerPath(path);
        const QString written = reports.sButton3Click(c.active);
        ASSERT_EQ(written, path + ".xls") << "the extension is added";
        EXPECT_TRUE(prompts.shown.last().contains("/导出文件/" + QString::fromUtf8(c.proposedName) +
                                                  "|Excel|*.XLS"))
            << prompts.shown.last().toStdString();
        const QString text = gbk::decode(bytesOf(written));
        ASSERT_TRUE(text.endsWith("\r\n"));
        const QStringList lines = text.chopped(2).split("\r\n");
        EXPECT_EQ(lines[0], c.captions.join('\t') + '\t');
        for (const QString& line : lines) {
            EXPECT_TRUE(line.endsWith('\t')) << line.toStdString();
            EXPECT_FALSE(line.contains('\n') || line.contains('\r'));
        }
        const QString productLine = lines.filter("产品11").value(0);
        ASSERT_FALSE(productLine.isEmpty());
        const QStringList fields = productLine.split('\t');
        EXPECT_EQ(fields.size(), c.captions.size() + 1);
        if (c.compid == 33) {
            EXPECT_EQ(fields[1], reports.Getcpbh(11, "  产品11"));
            EXPECT_EQ(lines[1].split('\t')[1], " ") << "a heading has no product number";
        }
        EXPECT_EQ(fields[c.compid == 33 ? 3 : 2], "10");
    }
    // The product number is the library's cpbh, a space where there is none.
    QSqlQuery numberedProduct = library.exec("select id, cpbh from pic where cpbh <> '' limit 1");
    ASSERT_TRUE(numberedProduct.next());
    EXPECT_EQ(reports.Getcpbh(numberedProduct.value(0).toInt(), "  x"),
              numberedProduct.value(1).toString());
    EXPECT_EQ(reports.Getcpbh(numberedProduct.value(0).toInt(), "［x］"), " ");
    EXPECT_EQ(reports.Getcpbh(-2, "  龙骨"), " ");
    EXPECT_EQ(reports.Getcpbh(99999999, "  x"), " ");

    prompts.answerCancel();
    EXPECT_TRUE(reports.sButton3Click(&room).isEmpty());
}

TEST_F(ReportExportTest, ExportsWriteThePagePicturesAndLogoIntoTheChosenFolderAndOpenIt) {
    home.write("sign.data", QByteArray("BM-logo-bytes"));
    addRoom(0);
    addRoom(1);
    const QString page = exportAccepted(ReportMode::DesignDrawings, nullptr);
    const QString folder = home.file("导出文件/阳光小区_张三");
    EXPECT_EQ(page, folder + "/张三_设计图.htm");
    EXPECT_EQ(opened, QStringList{folder});
    EXPECT_EQ(bytesOf(folder + "/mivra.bmp"), QByteArray("BM-logo-bytes"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
              (QStringList{"mivra.bmp", "张三00_客厅.jpg", "张三01_卧室.jpg", "张三_设计图.htm"}));

    // The same folder again: overwriting is asked; no keeps the dialog (and writes nothing).
    prompts.answerConfirm(false);
    EXPECT_FALSE(export_folder::accept(home.file("导出文件"), " 阳光小区_张三 ", prompts));
    EXPECT_EQ(prompts.shown.last(), "confirm:阳光小区_张三已存在,是否覆盖?");
    prompts.answerConfirm(true);
    EXPECT_EQ(export_folder::accept(home.file("导出文件"), "阳光小区_张三", prompts), folder);

    // A folder that cannot be created is reported and keeps the dialog open.
    home.write("plain", "a file");
    EXPECT_FALSE(export_folder::accept(home.file("plain"), "x", prompts));
    EXPECT_EQ(prompts.messages().last(),
              "创建文件夹：" + QDir::toNativeSeparators(home.file("plain/x")) + "\n失败");

    // Cancelling the dialog writes and opens nothing.
    opened.clear();
    reports.chooseExportFolder = [](const QString&, const QString&) { return QString(); };
    EXPECT_TRUE(reports.exportPage(ReportMode::Statistics, nullptr).isEmpty());
    EXPECT_TRUE(opened.isEmpty());

    // Without a name the folder is named after the area and the project number.
    project->customer.name.clear();
    EXPECT_EQ(export_folder::proposal(project->customer), "阳光小区_HT0012");
}

TEST_F(ReportExportTest, HostileNamesPrintLiterallyAndStayInsideTheirFolder) {
    CustomerRecord& c = project->customer;
    c.name = QStringLiteral("<b>李&\"王'</b>堃\U00020BB7");
    c.areaTitle = QStringLiteral("../..");
    c.memo = QStringLiteral("a<br>b");
    writeDealerDetails(*setup, {"<i>店</i>", "", "", "", "", "&"});
    TRoom_OBJ& room = addRoom(0);
    room.setName(QStringLiteral("../客厅/<x>|\t"));

    const QString page = exportAccepted(ReportMode::CurrentRoom, &room);
    ASSERT_FALSE(page.isEmpty());
    const QString exportRoot = QDir(home.file("导出文件")).canonicalPath();
    const QFileInfo pageInfo(page);
    EXPECT_EQ(QFileInfo(pageInfo.absolutePath()).dir().canonicalPath(), exportRoot)
        << "the folder is a child of the export folder: " << page.toStdString();
    EXPECT_FALSE(proposals.value(0).contains('/'));
    const QStringList files = pageInfo.dir().entryList(QDir::Files);
    EXPECT_EQ(files.size(), 2) << files.join(", ").toStdString(); // page and picture

    const QByteArray bytes = bytesOf(page);
    const QString text = gbk::decode(bytes);
    EXPECT_TRUE(text.contains("&lt;b&gt;李&amp;&quot;王&#39;&lt;/b&gt;&#22531;&#134071;"));
    EXPECT_TRUE(text.contains("&lt;i&gt;店&lt;/i&gt;"));
    EXPECT_TRUE(text.contains("&amp;<br> a&lt;br&gt;b"));
    EXPECT_TRUE(text.contains("<b>../客厅/&lt;x&gt;|\t</b>"));
    EXPECT_FALSE(text.contains("<b>李") || text.contains('?'));

    // The statistics file has no such escape: GBK holds 堃, a "?" stands for what it cannot.
    room.billLines[0]->title = QStringLiteral("堃\U00020BB7板");
    prompts.answerPath(home.file("file.xls"));
    const QString file = gbk::decode(bytesOf(reports.sButton3Click(&room)));
    EXPECT_TRUE(file.contains("  堃?板\t")) << file.toStdString();
}

TEST_F(ReportExportTest, AFailedWriteIsReportedAndLeavesNoHalfPage) {
    addRoom(0);
    const QString blocked = QDir(reports.printFolder()).filePath("张三_统计表.htm");
    ASSERT_TRUE(QDir().mkpath(blocked)); // a folder where the page should go
    EXPECT_TRUE(reports.print(ReportMode::Statistics, nullptr).isEmpty());
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(
        prompts.messages()[0].startsWith("无法写入文件：" + QDir::toNativeSeparators(blocked)));
    EXPECT_EQ(QDir(reports.printFolder()).entryList(QDir::Files), QStringList{})
        << "no temporary file is left";
}

TEST(HtmlText, EscapesAndWritesWhatGb2312CannotHoldAsReferences) {
    EXPECT_EQ(html::escape("<a href='x'>\"&\"</a>"),
              "&lt;a href=&#39;x&#39;&gt;&quot;&amp;&quot;&lt;/a&gt;");
    EXPECT_EQ(html::cell("  "), "&nbsp;");
    EXPECT_EQ(html::cell("a&b"), "a&amp;b");
    struct Case {
        QString text;
        QString bytesRead; // the page's bytes read back
    };
    const Case cases[] = {
        {"张三 ABC［附件］　", "张三 ABC［附件］　"}, // GB2312 and ASCII pass as they are
        {"陶堃", "陶&#22531;"},                       // in GBK, not in GB2312
        {"朱镕基", "朱&#38229;基"},
        {"€©", "&#8364;&#169;"},
        {"a\U0001F600b", "a&#128512;b"}, // one reference for a surrogate pair
        {QString(QChar(0xD800)) + "x", "&#65533;x"},
    };
    for (const Case& c : cases) {
        const QByteArray bytes = html::encodeGb2312(c.text);
        EXPECT_EQ(gbk::decode(bytes), c.bytesRead) << c.text.toStdString();
        for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
            if (quint8(bytes[i]) >= 0x80) {
                EXPECT_GE(quint8(bytes[i]), 0xA1) << "GB2312 lead byte";
                EXPECT_GE(quint8(bytes[++i]), 0xA1) << "GB2312 trail byte";
            }
        }
    }
}

} // namespace
