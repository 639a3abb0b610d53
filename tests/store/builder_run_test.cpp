#include "catalogue/program_data.h"
#include "platform/database.h"
#include "support/temp_folder.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

int runBuilder(const QString& folder) {
    QProcess builder;
    builder.start(QStringLiteral(YZ_BUILDER_PATH), {folder});
    if (!builder.waitForFinished(60000) || builder.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    return builder.exitCode();
}

} // namespace

// The staging step runs the builder on every build: the dealer's customers survive it
// byte for byte while the product library is delivered afresh.
TEST(BuilderRun, SecondRunKeepsTheStoreAndRebuildsTheLibrary) {
    if (QStringLiteral(YZ_BUILDER_PATH).isEmpty()) {
        GTEST_SKIP() << "the builder is not part of this build";
    }
    TempFolder home;
    ASSERT_EQ(runBuilder(home.path()), 0);
    const QString storePath = program_data::storePath(home.path());
    const QString libraryPath = program_data::libraryPath(home.path());
    {
        Database store;
        ASSERT_TRUE(store.open(storePath));
        store.insert("insert into userlist (Compid, name, AREAID, worker) values (?, ?, ?, ?)",
                     {0, "张三", -1, -1});
        Database library;
        ASSERT_TRUE(library.open(libraryPath));
        library.exec("delete from pic");
    }
    const QByteArray store = fileBytes(storePath);
    ASSERT_FALSE(store.isEmpty());

    ASSERT_EQ(runBuilder(home.path()), 0);
    EXPECT_EQ(fileBytes(storePath), store);
    Database library;
    ASSERT_TRUE(library.open(libraryPath));
    EXPECT_GT(library.scalar("select count(*) from pic").toInt(), 50);
}

TEST(BuilderRun, WrongArgumentsAreRefused) {
    if (QStringLiteral(YZ_BUILDER_PATH).isEmpty()) {
        GTEST_SKIP() << "the builder is not part of this build";
    }
    QProcess builder;
    builder.start(QStringLiteral(YZ_BUILDER_PATH), {});
    ASSERT_TRUE(builder.waitForFinished(60000));
    EXPECT_EQ(builder.exitCode(), 2);
    EXPECT_TRUE(builder.readAllStandardError().contains("usage"));
}
