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
    program_folder::Candidates c{home.path(), exe.path(), "/nonexistent", {exe.path()}};
    EXPECT_EQ(program_folder::resolve(c).folder, home.path());
}

TEST(ProgramFolder, WritableExecutableFolderWithDataIsPortable) {
    TempFolder exe, user;
    exe.write("数据文件/db.data", "x");
    program_folder::Candidates c{{}, exe.path(), user.file("data"), {"/nonexistent"}};
    EXPECT_EQ(program_folder::resolve(c).folder, exe.path());
    EXPECT_FALSE(QDir(user.file("data")).exists());
}

TEST(ProgramFolder, InstalledProgramSeedsThePerUserFolderOnce) {
    TempFolder exe, installed, user;
    installed.write("数据文件/db.data", "library");
    installed.write("CURSOR/CUR_busy.ani", "cursor");
    installed.write("skins/light.qss", "QWidget {}");
    program_folder::Candidates c{{}, exe.path(), user.file("yanzhou"), {installed.path()}};
    const auto [folder, problem] = program_folder::resolve(c);
    EXPECT_EQ(folder, user.file("yanzhou"));
    EXPECT_TRUE(problem.isEmpty());
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

// A new or emptied program folder, whether given with --home or the per-user one, is
// filled from the first delivered data folder that holds a product library; what it
// already holds stays.
TEST(ProgramFolder, AFolderWithoutItsLibraryIsSeededFromTheFirstDeliveredData) {
    TempFolder exe, bare, delivered, target;
    bare.write("skins/light.qss", "not a delivery");
    delivered.write("数据文件/db.data", "library");
    delivered.write("数据文件/Userdb.data", "empty store");
    delivered.write("CURSOR/CUR_busy.ani", "cursor");
    target.write("数据文件/Userdb.data", "customers");
    const QStringList sources{bare.path(), delivered.path(), exe.path()};
    for (const program_folder::Candidates& c :
         {program_folder::Candidates{target.path(), exe.path(), "/nonexistent", sources},
          program_folder::Candidates{{}, exe.path(), target.path(), sources}}) {
        QFile::remove(target.file("数据文件/db.data"));
        const auto [folder, problem] = program_folder::resolve(c);
        EXPECT_EQ(folder, target.path());
        EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
        QFile library(target.file("数据文件/db.data"));
        ASSERT_TRUE(library.open(QIODevice::ReadOnly));
        EXPECT_EQ(library.readAll(), "library");
        EXPECT_TRUE(QFile::exists(target.file("CURSOR/CUR_busy.ani")));
        EXPECT_FALSE(QFile::exists(target.file("skins/light.qss")));
        QFile store(target.file("数据文件/Userdb.data"));
        ASSERT_TRUE(store.open(QIODevice::ReadOnly));
        EXPECT_EQ(store.readAll(), "customers");
    }
}

TEST(ProgramFolder, AFolderThatCannotBeSeededNamesWhatWasLookedFor) {
    TempFolder exe, home, blocked;
    blocked.write("file", "a file, not a folder");
    const QStringList sources{exe.file("../share/yanzhou"), home.file("build/delivered")};
    const auto [folder, problem] =
        program_folder::resolve({home.file("new"), exe.path(), "/nonexistent", sources});
    EXPECT_EQ(folder, home.file("new"));
    for (const QString& source : sources) {
        EXPECT_TRUE(problem.contains(QDir(source).absolutePath() + "/数据文件/db.data"))
            << problem.toStdString();
    }
    // Data found but the folder cannot be made: the problem names both.
    exe.write("数据文件/db.data", "library");
    const auto [unmade, copyProblem] = program_folder::resolve(
        {blocked.file("file/home"), exe.path(), "/nonexistent", {exe.path()}});
    EXPECT_TRUE(copyProblem.contains(exe.path())) << copyProblem.toStdString();
    EXPECT_TRUE(copyProblem.contains(unmade)) << copyProblem.toStdString();
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
