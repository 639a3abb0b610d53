#include "library/library_schema.h"
#include "platform/database.h"
#include "quote/startup_session.h"
#include "store/store_schema.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

void createDatabase(const QString& path, void (*schema)(Database&)) {
    QDir().mkpath(QFileInfo(path).path());
    Database db;
    ASSERT_TRUE(db.create(path));
    schema(db);
}

// A program folder with both delivered databases.
void stageProgramFolder(const TempFolder& home) {
    createDatabase(home.file("数据文件/db.data"), createLibrarySchema);
    createDatabase(home.file("数据文件/Userdb.data"), createStoreSchema);
}

QByteArray cursorPng(const QString& hotspot) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::red);
    image.setText("hotspot", hotspot);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.write(image);
    return bytes;
}

} // namespace

TEST(StartupSession, MissingDatabasesEndTheStartWithTheirMessage) {
    TempFolder home;
    {
        StartupSession session(home.path());
        ScriptedPrompts prompts;
        EXPECT_FALSE(session.initDB(prompts));
        EXPECT_EQ(prompts.messages(), QStringList({"产品库损坏或丢失,请重新下载安装软件."}));
    }
    createDatabase(home.file("数据文件/db.data"), createLibrarySchema);
    StartupSession session(home.path());
    ScriptedPrompts prompts;
    EXPECT_FALSE(session.initDB(prompts));
    EXPECT_EQ(prompts.messages(), QStringList({"客户库损坏或丢失,请重新下载安装软件."}));
    EXPECT_NE(FatalStartExitStatus, 0);
}

TEST(StartupSession, FilesThatAreNoDatabaseEndTheStart) {
    TempFolder home;
    home.write("数据文件/db.data", QByteArray("this is no database at all, just text", 37));
    {
        StartupSession session(home.path());
        ScriptedPrompts prompts;
        EXPECT_FALSE(session.initDB(prompts));
        EXPECT_EQ(prompts.messages(), QStringList({"产品库损坏或丢失,请重新下载安装软件."}));
    }
    QFile::remove(home.file("数据文件/db.data"));
    createDatabase(home.file("数据文件/db.data"), createLibrarySchema);
    home.write("数据文件/Userdb.data", QByteArray()); // empty: opens, but holds no store
    StartupSession session(home.path());
    ScriptedPrompts prompts;
    EXPECT_FALSE(session.initDB(prompts));
    EXPECT_EQ(prompts.messages(), QStringList({"客户库损坏或丢失,请重新下载安装软件."}));
}

TEST(StartupSession, StartOpensBothUpgradesAndMakesTheWorkingFolders) {
    TempFolder home;
    stageProgramFolder(home);
    {
        Database store;
        ASSERT_TRUE(store.open(home.file("数据文件/Userdb.data")));
        store.exec("insert into arealist (title) values ('翠湖')");
    }
    home.write("setup.ini", "[setup]\r\ngw=600\r\n");
    StartupSession session(home.path());
    ScriptedPrompts prompts;
    bool pickerFilled = false;
    ASSERT_TRUE(session.initDB(
        prompts, [&] { pickerFilled = session.library().isOpen() && session.store().isOpen(); }));
    EXPECT_TRUE(prompts.shown.isEmpty()) << qPrintable(prompts.shown.join('\n'));
    EXPECT_TRUE(pickerFilled);
    EXPECT_EQ(session.held().gw, 600);
    EXPECT_EQ(session.areaTitles(), QStringList({"    ", "翠湖"}));
    EXPECT_EQ(session.handlerNames(), QStringList({"    "}));
    for (const char* folder : {"设计文件", "导出文件", "数据文件", "备份文件"}) {
        EXPECT_TRUE(QFileInfo(home.file(QString::fromUtf8(folder))).isDir()) << folder;
    }
}

TEST(StartupSession, ASecondStartChangesNothing) {
    TempFolder home;
    stageProgramFolder(home);
    const auto schema = [&](const char* file) {
        Database db;
        EXPECT_TRUE(db.open(home.file(QString::fromUtf8(file))));
        QStringList parts;
        QSqlQuery q = db.exec("select sql from sqlite_master order by name");
        while (q.next()) {
            parts << q.value(0).toString();
        }
        return parts.join('\n');
    };
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartupSession(home.path()).initDB(prompts));
    const QString library = schema("数据文件/db.data");
    const QString store = schema("数据文件/Userdb.data");
    ASSERT_TRUE(StartupSession(home.path()).initDB(prompts));
    EXPECT_EQ(schema("数据文件/db.data"), library);
    EXPECT_EQ(schema("数据文件/Userdb.data"), store);
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST(StartupSession, CursorsLoadIntoTheirSlotsWithTheirHotspot) {
    TempFolder home;
    stageProgramFolder(home);
    home.write("CURSOR/CUR_DrawRoom_Pen.ani", cursorPng("3,29"));
    home.write("CURSOR/CUR_busy.ani", cursorPng("garbage"));
    home.write("CURSOR/CUR_design_del.cur", "not a picture");
    StartupSession session(home.path());
    ScriptedPrompts prompts;
    ASSERT_TRUE(session.initDB(prompts));

    const CursorTable& cursors = session.cursors();
    ASSERT_TRUE(cursors.isLoaded(2));
    EXPECT_EQ(cursors.cursor(2).hotSpot(), QPoint(3, 29));
    ASSERT_TRUE(cursors.isLoaded(32));
    EXPECT_EQ(cursors.cursor(32).hotSpot(), QPoint(16, 16));
    EXPECT_FALSE(cursors.isLoaded(31));
    EXPECT_EQ(cursors.cursor(31).shape(), Qt::ArrowCursor);
    EXPECT_FALSE(cursors.isLoaded(1));
}

TEST(CursorTable, HotspotStaysInsideThePicture) {
    EXPECT_EQ(CursorTable::parseHotspot("40,-2", QSize(32, 32)), QPoint(31, 0));
    EXPECT_EQ(CursorTable::parseHotspot(" 4 , 5 ", QSize(32, 32)), QPoint(4, 5));
    EXPECT_EQ(CursorTable::parseHotspot("", QSize(20, 10)), QPoint(10, 5));
}
