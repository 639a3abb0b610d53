#include "program_run.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

const QString Program = QStringLiteral(YZ_PROGRAM_PATH);

bool hasLibrary(const QString& folder) {
    return QFileInfo(folder + QStringLiteral("/数据文件/db.data")).size() > 0;
}

} // namespace

class ProgramFolderStart : public ::testing::Test {
protected:
    void SetUp() override {
        if (Program.isEmpty()) {
            GTEST_SKIP() << "the program is not part of this build";
        }
    }
};

// `--home` with a folder that does not exist yet, or exists empty: the program fills it
// with the delivered data and starts there.
TEST_F(ProgramFolderStart, ANewOrEmptyHomeFolderIsSeeded) {
    TempFolder scratch;
    QDir().mkpath(scratch.file("empty"));
    for (const QString& home : {scratch.file("new/home"), scratch.file("empty")}) {
        ProgramRun run(Program, {QStringLiteral("--home"), home}, scratch.path());
        EXPECT_TRUE(run.waitForStartIn(home)) << qPrintable(run.errors());
        EXPECT_TRUE(hasLibrary(home));
        EXPECT_TRUE(QFileInfo(home + "/CURSOR/CUR_busy.ani").isFile());
        EXPECT_TRUE(QFileInfo(home + "/skins").isDir());
        EXPECT_FALSE(QFileInfo::exists(ProgramRun::userFolder(scratch.path())));
    }
}

// A copy of the program without 数据文件/ beside it uses the per-user folder, filled
// from the data the build delivered.
TEST_F(ProgramFolderStart, APortableCopyWithoutDataSeedsThePerUserFolder) {
    TempFolder portable, home;
    ASSERT_TRUE(QFile::copy(Program, portable.file("yanzhou")));
    ProgramRun run(portable.file("yanzhou"), {}, home.path());
    const QString user = ProgramRun::userFolder(home.path());
    EXPECT_TRUE(run.waitForStartIn(user)) << qPrintable(run.errors());
    EXPECT_TRUE(hasLibrary(user));
    EXPECT_FALSE(QFileInfo::exists(portable.file("数据文件")));
}

// What the README builds installs, and the installed program seeds the per-user folder
// from its share folder.
TEST_F(ProgramFolderStart, TheInstalledProgramSeedsThePerUserFolder) {
    TempFolder prefix, home;
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(YZ_CMAKE_COMMAND),
                  {"--install", QStringLiteral(YZ_BINARY_DIR), "--prefix", prefix.path()});
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAll().toStdString();
    EXPECT_TRUE(hasLibrary(prefix.file("share/yanzhou")));

    ProgramRun run(prefix.file("bin/yanzhou"), {}, home.path());
    const QString user = ProgramRun::userFolder(home.path());
    EXPECT_TRUE(run.waitForStartIn(user)) << qPrintable(run.errors());
    EXPECT_TRUE(hasLibrary(user));
}

// A folder that cannot be made says so on standard error, naming where the data was.
TEST_F(ProgramFolderStart, AFolderThatCannotBeSeededSaysWhy) {
    TempFolder scratch;
    scratch.write("file", "a file, not a folder");
    const QString home = scratch.file("file/home");
    ProgramRun run(Program, {QStringLiteral("--home"), home}, scratch.path());
    EXPECT_TRUE(run.waitForError(home)) << qPrintable(run.errors());
    EXPECT_TRUE(run.errors().contains(QStringLiteral("无法把程序数据从")))
        << qPrintable(run.errors());
}
