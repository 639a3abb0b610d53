#include "library/library_schema.h"
#include "platform/database.h"
#include "platform/password_keeper.h"
#include "quote/setup_file.h"
#include "quote/startup_session.h"
#include "quote/store_choice.h"
#include "quote/store_settings.h"
#include "store/store_schema.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "support/test_database.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// A program folder with both databases and a store choice in "setup.ini".
void stage(const TempFolder& home, const StoreChoice& choice) {
    QDir().mkpath(home.file("数据文件"));
    for (const auto& [file, schema] : {std::pair{"数据文件/db.data", &createLibrarySchema},
                                       std::pair{"数据文件/Userdb.data", &createStoreSchema}}) {
        Database db;
        ASSERT_TRUE(db.create(home.file(QString::fromUtf8(file))));
        schema(db);
    }
    SetupFile setup(home.file("setup.ini"));
    ASSERT_TRUE(writeStoreChoice(setup, choice));
}

} // namespace

TEST(StoreChoice, AnUnreachableServerIsNamedAndTheLocalFileIsOffered) {
    TempFolder home;
    StoreChoice choice;
    choice.server = true;
    choice.settings = {
        home.file("no-server-here"), 5433, QStringLiteral("dealer"), QStringLiteral("seat1"), {}};
    stage(home, choice);
    for (const bool useLocal : {false, true}) {
        StartupSession session(home.path());
        ScriptedPrompts prompts;
        prompts.answerConfirm(useLocal);
        EXPECT_EQ(session.initDB(prompts), useLocal);
        ASSERT_FALSE(prompts.shown.isEmpty());
        EXPECT_TRUE(
            prompts.shown.first().startsWith(QStringLiteral("confirm:无法连接客户库服务器 ") +
                                             home.file("no-server-here:5433: 服务器拒绝连接")))
            << qPrintable(prompts.shown.first());
        EXPECT_TRUE(prompts.shown.first().endsWith(QStringLiteral("是否使用本机客户库继续?")));
        EXPECT_EQ(session.store().isOpen() && !session.store().isServer(), useLocal);
    }
}

TEST(StoreChoice, AServerChosenInTheSettingsIsTheStoreAtTheNextStart) {
    TestDatabase server(Engine::PostgreSQL);
    Database probe;
    OPEN_TEST_DATABASE_OR_SKIP(server, probe);
    TempFolder home;
    StoreChoice choice;
    choice.server = true;
    choice.settings = *server.server();
    stage(home, {});
    SetupFile setup(home.file("setup.ini"));
    ScriptedPrompts prompts;
    ASSERT_TRUE(store_settings::save(setup, choice, prompts));

    StartupSession session(home.path());
    ASSERT_TRUE(session.initDB(prompts)) << qPrintable(prompts.shown.join('\n'));
    EXPECT_TRUE(session.store().isServer());
    // An empty server database gets the store's tables, upgraded like a local store.
    EXPECT_TRUE(session.store().hasColumn(QStringLiteral("userlist"), QStringLiteral("Prolist")));
    EXPECT_EQ(session.areaTitles(), QStringList({"    "}));
}

TEST(StoreChoice, ThePasswordNeverReachesSetupIniAndThePasswordFileIsTheOwnersOnly) {
    TempFolder home;
    const QString passwordFile = home.file("pgpass");
    qputenv("PGPASSFILE", passwordFile.toLocal8Bit());
    home.write("pgpass", "otherhost:5432:*:someone:keep\n");
    StoreChoice choice;
    choice.server = true;
    choice.settings = {QStringLiteral("db.shop"), 5432, QStringLiteral("门店"),
                       QStringLiteral("seat:1"), QStringLiteral("s3cr\\et:x")};
    QString error;
    for (const QString& password : {QStringLiteral("old"), choice.settings.password}) {
        ASSERT_TRUE(password_keeper::writePasswordFile(choice.settings, password, &error))
            << qPrintable(error);
    }
    EXPECT_EQ(fileBytes(passwordFile), QStringLiteral("otherhost:5432:*:someone:keep\n"
                                                      "db.shop:5432:门店:seat\\:1:s3cr\\\\et\\:x\n")
                                           .toUtf8());
    EXPECT_EQ(QFile::permissions(passwordFile) & ~(QFile::ReadUser | QFile::WriteUser),
              QFile::ReadOwner | QFile::WriteOwner);

    SetupFile setup(home.file("setup.ini"));
    ScriptedPrompts prompts;
    ASSERT_TRUE(store_settings::save(setup, choice, prompts));
    EXPECT_FALSE(fileBytes(home.file("setup.ini")).contains("s3cr"));
    const StoreChoice read = readStoreChoice(setup);
    EXPECT_TRUE(read.server);
    EXPECT_EQ(read.settings.user, QStringLiteral("seat:1"));
    EXPECT_EQ(read.settings.database, QStringLiteral("门店"));
    EXPECT_TRUE(read.settings.password.isEmpty());
    qunsetenv("PGPASSFILE");
}
