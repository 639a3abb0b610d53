#include "platform/default_opener.h"
#include "platform/program_folder.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(ProgramFolder, HomeArgumentWins) {
    EXPECT_EQ(program_folder::homeArgument({"yanzhou", "--home", "/x/y"}), "/x/y");
    EXPECT_EQ(program_folder::homeArgument({"yanzhou", "--home=/z"}), "/z");
    EXPECT_EQ(program_folder::homeArgument({"yanzhou", "--home"}), "");
    TempFolder home, exe;
    exe.write("数据文件/db.data", "x");
    program_folder::Candidates c{home.path(), exe.path(), "/nonexistent", "/nonexistent"};
    EXPECT_EQ(program_folder::resolve(c), home.path());
}

TEST(ProgramFolder, WritableExecutableFolderWithDataIsPortable) {
    TempFolder exe, user;
    exe.write("数据文件/db.data", "x");
    program_folder::Candidates c{{}, exe.path(), user.file("data"), "/nonexistent"};
    EXPECT_EQ(program_folder::resolve(c), exe.path());
    EXPECT_FALSE(QDir(user.file("data")).exists());
}

TEST(ProgramFolder, InstalledProgramSeedsThePerUserFolderOnce) {
    TempFolder exe, installed, user;
    installed.write("数据文件/db.data", "library");
    installed.write("CURSOR/CUR_busy.ani", "cursor");
    installed.write("skins/light.qss", "QWidget {}");
    program_folder::Candidates c{{}, exe.path(), user.file("yanzhou"), installed.path()};
    QString error;
    const QString folder = program_folder::resolve(c, &error);
    EXPECT_EQ(folder, user.file("yanzhou"));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_TRUE(QFile::exists(folder + "/数据文件/db.data"));
    EXPECT_TRUE(QFile::exists(folder + "/CURSOR/CUR_busy.ani"));
    EXPECT_TRUE(QFile::exists(folder + "/skins/light.qss"));
    // The seeded copy is the user's now: a second start must not overwrite it.
    user.write("yanzhou/数据文件/db.data", "edited");
    program_folder::resolve(c);
    QFile f(folder + "/数据文件/db.data");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("edited"));
}

TEST(DefaultOpener, HandlerCanBeReplaced) {
    QStringList opened;
    opener::setHandler([&](const QString& what) {
        opened << what;
        return true;
    });
    EXPECT_TRUE(opener::openWithDefaultHandler("导出文件/客户_设计图.htm"));
    opener::setHandler({});
    EXPECT_EQ(opened, QStringList{"导出文件/客户_设计图.htm"});
}
