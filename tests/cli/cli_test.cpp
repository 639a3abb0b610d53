#include "cli_fixture.h"

#include "platform/gbk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>

namespace {

QStringList filesUnder(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot);
}

} // namespace

// The company's customers, newest first, one tab-separated line each; user text cannot
// break a line or a column, and another company's customers are not listed.
TEST_F(CliTest, CustomersListsTheCompanysCustomersNewestFirst) {
    const qint32 a = addCustomer(Company, QStringLiteral("张三"), QDate(2024, 5, 1), 1234.5);
    addCustomer(Company + 1, QStringLiteral("别家客户"), QDate(2024, 5, 2), 9);
    const qint32 b = addCustomer(Company, QStringLiteral("李\t四\n"), QDate(1899, 12, 30), 0.1);
    const CliResult result = run({QStringLiteral("customers")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.errorLines.isEmpty()) << result.errorLines.join(u'\n').toStdString();
    // The area is empty: none was given.
    EXPECT_EQ(result.out, QStringLiteral("%1\tHT4\t李 四 \t0571-44\t\t  \t0.1\n"
                                         "%2\tHT2\t张三\t0571-22\t\t2024-05-01\t1234.5\n")
                              .arg(b)
                              .arg(a));
}

// A customer the company does not have (unknown, or another company's) is refused with
// one line on standard error, and no file or folder is made.
TEST_F(CliTest, CommandsOnAnUnknownCustomerFailWithOneLineAndWriteNothing) {
    const qint32 other = addCustomer(Company + 1, QStringLiteral("别家客户"), {}, 9);
    const QString target = home.file(QStringLiteral("out/target"));
    for (const QString& id : {QStringLiteral("4711"), QString::number(other)}) {
        const QList<QStringList> commands{
            {QStringLiteral("pages"), id, QStringLiteral("--mode"), QStringLiteral("1"),
             QStringLiteral("--out"), target},
            {QStringLiteral("pages"), id, QStringLiteral("--mode"), QStringLiteral("2"),
             QStringLiteral("--out"), target},
            {QStringLiteral("pages"), id, QStringLiteral("--mode"), QStringLiteral("3"),
             QStringLiteral("--out"), target},
            {QStringLiteral("statistics"), id, QStringLiteral("--out"), target},
            {QStringLiteral("cutting"), id, QStringLiteral("--out"), target},
            {QStringLiteral("quote"), id, QStringLiteral("--pdf"), target},
            {QStringLiteral("export"), id, target}};
        for (const QStringList& command : commands) {
            const CliResult result = run(command);
            const std::string what = command.join(u' ').toStdString();
            EXPECT_EQ(result.exitCode, 1) << what;
            EXPECT_EQ(result.errorLines, QStringList{QStringLiteral("yanzhou-cli: 未发现记录!")})
                << what;
            EXPECT_TRUE(result.out.isEmpty()) << what;
            EXPECT_FALSE(QFileInfo::exists(home.file(QStringLiteral("out")))) << what;
        }
    }
}

// Arguments that make no command, files that cannot be read and a store another program
// holds locked: one line on standard error, a non-zero status and no new customer.
TEST_F(CliTest, BadArgumentsUnreadableFilesAndALockedStoreFailWithOneLine) {
    home.write(QStringLiteral("garbage.zpk"), "not an exchange file");
    struct Case {
        QStringList arguments;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {{}, 2, "缺少命令"},
        {{QStringLiteral("quotes")}, 2, "未知命令：quotes"},
        {{QStringLiteral("pages"), QStringLiteral("1"), QStringLiteral("--out"),
          QStringLiteral("x")},
         2,
         "用法：yanzhou-cli pages"},
        {{QStringLiteral("pages"), QStringLiteral("1"), QStringLiteral("--mode"),
          QStringLiteral("4"), QStringLiteral("--out"), QStringLiteral("x")},
         2,
         "用法：yanzhou-cli pages"},
        {{QStringLiteral("statistics"), QStringLiteral("abc"), QStringLiteral("--out"),
          QStringLiteral("x")},
         2,
         "客户编号应为整数：abc"},
        {{QStringLiteral("export"), QStringLiteral("1")}, 2, "用法：yanzhou-cli export"},
        {{QStringLiteral("--colour")}, 2, "colour"},
        {{QStringLiteral("import"), home.file(QStringLiteral("missing.zpk"))},
         1,
         "导入数据库失败!"},
        {{QStringLiteral("import"), home.file(QStringLiteral("garbage.zpk"))},
         1,
         "导入数据库失败!"},
    };
    for (const Case& c : cases) {
        const CliResult result = run(c.arguments);
        const std::string what = c.arguments.join(u' ').toStdString();
        EXPECT_EQ(result.exitCode, c.exitCode) << what;
        ASSERT_EQ(result.errorLines.size(), 1) << what;
        EXPECT_TRUE(result.errorLines[0].startsWith(QStringLiteral("yanzhou-cli: "))) << what;
        EXPECT_TRUE(result.errorLines[0].contains(QString::fromUtf8(c.message)))
            << what << ": " << result.errorLines[0].toStdString();
    }

    const qint32 id = addDesignedCustomer(QStringLiteral("王五"), {QStringLiteral("客厅")});
    const QString file = home.file(QStringLiteral("王五.zpk"));
    ASSERT_EQ(run({QStringLiteral("export"), QString::number(id), file}).exitCode, 0);
    storeDb.exec(QStringLiteral("begin exclusive"));
    const CliResult locked = run({QStringLiteral("import"), file});
    storeDb.exec(QStringLiteral("rollback"));
    EXPECT_EQ(locked.exitCode, 1);
    EXPECT_EQ(locked.errorLines.size(), 1) << locked.errorLines.join(u'\n').toStdString();
    EXPECT_EQ(storeDb.scalar(QStringLiteral("select count(*) from userlist")).toInt(), 1);
}

// An export that would lose characters GBK cannot hold stops at the question, which the
// command line names instead of a bare "not done", and writes no file.
TEST_F(CliTest, AnExportStoppedByAQuestionNamesTheQuestion) {
    const qint32 id = addDesignedCustomer(QStringLiteral("赵六😀"), {QStringLiteral("客厅")});
    const QString file = home.file(QStringLiteral("赵六.zpk"));
    const CliResult stopped = run({QStringLiteral("export"), QString::number(id), file});
    EXPECT_EQ(stopped.exitCode, 1);
    ASSERT_EQ(stopped.errorLines.size(), 1) << stopped.errorLines.join(u'\n').toStdString();
    EXPECT_TRUE(stopped.errorLines[0].contains(QStringLiteral("以下字符无法写入交换文件")))
        << stopped.errorLines[0].toStdString();
    EXPECT_TRUE(stopped.errorLines[0].contains(QStringLiteral("😀")));
    EXPECT_FALSE(QFileInfo::exists(file));
}

// The file a customer is exported to imports as a new customer of the company with the
// same rooms, records, bill and amount.
TEST_F(CliTest, ExportThenImportRoundTripsACustomer) {
    const qint32 id = addDesignedCustomer(QStringLiteral("赵六"),
                                          {QStringLiteral("客厅"), QStringLiteral("卧室")});
    const CustomerRecord before = *store->customer(id);
    ASSERT_GT(before.price, 0);
    const QString file = home.file(QStringLiteral("导出文件/赵六.zpk"));
    const CliResult exported = run({QStringLiteral("export"), QString::number(id), file});
    ASSERT_EQ(exported.exitCode, 0) << exported.errorLines.join(u'\n').toStdString();
    EXPECT_EQ(exported.out, file + u'\n');

    const CliResult imported = run({QStringLiteral("import"), file});
    ASSERT_EQ(imported.exitCode, 0) << imported.errorLines.join(u'\n').toStdString();
    bool number = false;
    const qint32 copy = imported.out.trimmed().toInt(&number);
    ASSERT_TRUE(number) << imported.out.toStdString();
    ASSERT_NE(copy, id);
    const CustomerRecord after = *store->customer(copy);
    EXPECT_EQ(after.compid, Company);
    EXPECT_EQ(after.name, before.name);
    EXPECT_DOUBLE_EQ(after.price, before.price);
    EXPECT_EQ(after.prolist, before.prolist);
    const std::vector<RoomRecord> rooms = store->roomsOf(id);
    const std::vector<RoomRecord> copied = store->roomsOf(copy);
    ASSERT_EQ(copied.size(), rooms.size());
    for (std::size_t i = 0; i < rooms.size(); ++i) {
        EXPECT_EQ(copied[i].title, rooms[i].title);
        EXPECT_EQ(copied[i].roomWall, rooms[i].roomWall);
        EXPECT_EQ(copied[i].roomKouban, rooms[i].roomKouban);
        EXPECT_EQ(copied[i].roomDianqi, rooms[i].roomDianqi);
    }
    // The new customer heads the list.
    EXPECT_TRUE(run({QStringLiteral("customers")}).out.startsWith(QString::number(copy) + u'\t'));
}

// The quotation, the pages, the statistics file and the backup of a designed customer, each written
// where the command line says, and --help; none of them needs a display.
TEST_F(CliTest, QuotePagesStatisticsAndBackupWriteWhereTheyAreTold) {
    const qint32 id = addDesignedCustomer(QStringLiteral("孙七"),
                                          {QStringLiteral("客厅"), QStringLiteral("厨房")});
    const QString customer = QString::number(id);
    struct Page {
        const char* mode;
        const char* page;
        int pictures;
    };
    for (const Page& p : {Page{"1", "01_厨房.htm", 1}, Page{"2", "孙七_设计图.htm", 2},
                          Page{"3", "孙七_统计表.htm", 0}}) {
        const QString folder = home.file(QStringLiteral("pages") + QString::fromUtf8(p.mode));
        const CliResult result = run({QStringLiteral("pages"), customer, QStringLiteral("--mode"),
                                      QString::fromUtf8(p.mode), QStringLiteral("--out"), folder});
        ASSERT_EQ(result.exitCode, 0) << result.errorLines.join(u'\n').toStdString();
        const QString page = QDir(folder).filePath(QString::fromUtf8(p.page));
        EXPECT_EQ(result.out, page + u'\n');
        EXPECT_TRUE(QFileInfo(page).size() > 0) << page.toStdString();
        EXPECT_EQ(filesUnder(folder).filter(QStringLiteral(".jpg")).size(), p.pictures) << p.mode;
    }

    const QString statistics = home.file(QStringLiteral("统计.xls"));
    const CliResult written =
        run({QStringLiteral("statistics"), customer, QStringLiteral("--out"), statistics});
    ASSERT_EQ(written.exitCode, 0) << written.errorLines.join(u'\n').toStdString();
    const QString text = gbk::decode(fileBytes(statistics));
    EXPECT_TRUE(text.startsWith(QStringLiteral("产品\t规格\t数量\t修正\t单位\t")))
        << text.toStdString();
    EXPECT_GT(text.count(QStringLiteral("\r\n")), 2);

    const QString pdf = home.file(QStringLiteral("报价/孙七.pdf"));
    QDir().mkpath(home.file(QStringLiteral("报价")));
    const CliResult quoted = run({QStringLiteral("quote"), customer, QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(quoted.exitCode, 0) << quoted.errorLines.join(u'\n').toStdString();
    EXPECT_EQ(quoted.out, pdf + u'\n');
    EXPECT_TRUE(fileBytes(pdf).startsWith("%PDF-"));
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString pdfText = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (const char* expected : {"孙七", "客厅", "厨房", "总计"}) {
        EXPECT_TRUE(pdfText.contains(QString::fromUtf8(expected))) << expected;
    }

    const QString backup = home.file(QStringLiteral("nightly/today"));
    const CliResult saved = run({QStringLiteral("backup"), backup});
    ASSERT_EQ(saved.exitCode, 0) << saved.errorLines.join(u'\n').toStdString();
    for (const char* name : {"Userdb.data", "db.data"}) {
        const QString copy = backup + u'/' + QString::fromUtf8(name);
        Database db;
        ASSERT_TRUE(db.open(copy)) << copy.toStdString();
        EXPECT_GT(db.scalar(QStringLiteral("select count(*) from sqlite_master")).toInt(), 0);
    }
    Database copied;
    ASSERT_TRUE(copied.open(backup + QStringLiteral("/Userdb.data")));
    EXPECT_EQ(copied.scalar(QStringLiteral("select name from userlist where id = ?"), {id}),
              QStringLiteral("孙七"));

    const CliResult help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* usage : {"customers", "quote ID --pdf FILE", "pages ID --mode 1|2|3 --out DIR",
                              "statistics ID --out FILE", "export ID FILE.zpk", "import FILE.zpk",
                              "backup DIR", "--home"}) {
        EXPECT_TRUE(help.out.contains(QString::fromUtf8(usage))) << usage;
    }
}
