// The command line on a store another process is using or cannot reach, and backups that
// are killed, repeated or cannot be written.

#include "catalogue/program_data.h"
#include "cli_fixture.h"
#include "quote/setup_keys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <chrono>
#include <filesystem>
#include <future>
#include <thread>

namespace {

using namespace std::chrono_literals;

std::filesystem::perms mode(const QString& path) {
    return std::filesystem::status(path.toStdU16String()).permissions();
}

QString oneLine(const CliResult& result) {
    return result.errorLines.join(u'\n');
}

} // namespace

// A second process importing while another one's save is open waits for it and then
// imports; a store another program holds longer is named as such.
TEST_F(CliTest, AnImportWaitsForAnotherProcessesSaveAndALockedStoreIsNamed) {
    const qint32 id = addDesignedCustomer(QStringLiteral("王五"), {QStringLiteral("客厅")});
    const QString file = home.file(QStringLiteral("王五.zpk"));
    ASSERT_EQ(run({QStringLiteral("export"), QString::number(id), file}).exitCode, 0);

    std::promise<void> begun;
    std::thread saving([&] {
        Database other;
        if (other.open(program_data::storePath(home.path()))) {
            Transaction save(other);
            other.exec(QStringLiteral("insert into arealist (title) values ('别人的')"));
            begun.set_value();
            std::this_thread::sleep_for(3500ms);
            save.commit();
        } else {
            begun.set_value();
        }
    });
    begun.get_future().wait();
    const CliResult imported = run({QStringLiteral("import"), file});
    saving.join();
    EXPECT_EQ(imported.exitCode, 0) << oneLine(imported).toStdString();
    EXPECT_EQ(storeDb.scalar(QStringLiteral("select count(*) from userlist")).toInt(), 2);

    storeDb.exec(QStringLiteral("begin exclusive"));
    const CliResult locked = run({QStringLiteral("customers")});
    storeDb.exec(QStringLiteral("rollback"));
    EXPECT_EQ(locked.exitCode, 1);
    EXPECT_EQ(locked.errorLines.size(), 1) << oneLine(locked).toStdString();
    EXPECT_TRUE(oneLine(locked).startsWith(
        QStringLiteral("yanzhou-cli: 客户库正被其他程序使用,请稍后再试: ") +
        program_data::storePath(home.path())))
        << oneLine(locked).toStdString();
}

// A server that is not there, and a backup folder that cannot be made: one line naming
// the cause and the place.
TEST_F(CliTest, AnUnreachableServerAndAnUnwritableBackupFolderAreNamed) {
    home.write(QStringLiteral("a-file"), "not a folder");
    const QString beneathAFile = home.file(QStringLiteral("a-file/备份"));
    const CliResult unwritable = run({QStringLiteral("backup"), beneathAFile});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_EQ(unwritable.errorLines.size(), 1) << oneLine(unwritable).toStdString();
    EXPECT_TRUE(oneLine(unwritable)
                    .startsWith(QStringLiteral("yanzhou-cli: 备份文件夹无法写入: ") + beneathAFile))
        << oneLine(unwritable).toStdString();

    SetupFile setup(home.file(QStringLiteral("setup.ini")));
    const QString host = home.file(QStringLiteral("no-server"));
    setup.write(setup::storeServer, true);
    setup.write(setup::storeHost, host);
    setup.write(setup::storeDatabase, QStringLiteral("dealer"));
    setup.write(setup::storeUser, QStringLiteral("seat"));
    const CliResult unreachable = run({QStringLiteral("customers")});
    EXPECT_EQ(unreachable.exitCode, 1);
    EXPECT_EQ(unreachable.errorLines.size(), 1) << oneLine(unreachable).toStdString();
    EXPECT_TRUE(oneLine(unreachable)
                    .startsWith(QStringLiteral("yanzhou-cli: 无法连接客户库服务器 ") + host +
                                QStringLiteral(":5432: ")))
        << oneLine(unreachable).toStdString();
}

// A backup killed midway leaves no folder that looks like a backup; the next one clears
// what it left and gives copies with the databases' file modes; a folder that already
// holds a backup is not replaced without being asked, which the command line never is.
TEST_F(CliTest, AKilledBackupLooksUnfinishedAndTheNextOneClearsItsLeftovers) {
    // Enough data that the copy takes a while.
    for (int i = 0; i < 60; ++i) {
        storeDb.exec(QStringLiteral("insert into roomlist (UserId, Title, pic) values "
                                    "(0, 'big', randomblob(2000000))"));
    }
    const QString store = program_data::storePath(home.path());
    ASSERT_TRUE(QFile::setPermissions(store, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ReadGroup));
    const QString parent = home.file(QStringLiteral("nightly"));
    const QString target = parent + QStringLiteral("/today");

    QProcess backup;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("HOME"), home.path());
    backup.setProcessEnvironment(environment);
    backup.start(QStringLiteral(YZ_CLI_PATH),
                 {QStringLiteral("--home"), home.path(), QStringLiteral("backup"), target});
    const QStringList unfinished{QStringLiteral("~*")};
    bool writing = false;
    for (int i = 0; i < 60000 && !writing && backup.state() != QProcess::NotRunning; ++i) {
        writing = !QDir(parent).entryList(unfinished, QDir::Dirs | QDir::NoDotAndDotDot).isEmpty();
        std::this_thread::sleep_for(1ms);
    }
    backup.kill();
    backup.waitForFinished();
    ASSERT_TRUE(writing) << "the backup writes into a folder of its own first";
    EXPECT_FALSE(QFileInfo::exists(target)) << "a killed backup does not look complete";

    const CliResult saved = run({QStringLiteral("backup"), target});
    ASSERT_EQ(saved.exitCode, 0) << oneLine(saved).toStdString();
    EXPECT_EQ(QDir(parent).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("today")});
    EXPECT_EQ(QDir(target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({QStringLiteral("db.data"), QStringLiteral("Userdb.data")}));
    EXPECT_EQ(mode(target + QStringLiteral("/Userdb.data")), std::filesystem::perms(0640));
    EXPECT_EQ(mode(target + QStringLiteral("/db.data")),
              mode(program_data::libraryPath(home.path())));

    const QByteArray first = fileBytes(target + QStringLiteral("/Userdb.data"));
    addCustomer(Company, QStringLiteral("新客户"), {}, 0);
    const CliResult again = run({QStringLiteral("backup"), target});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(oneLine(again).contains(QStringLiteral("已有备份")))
        << oneLine(again).toStdString();
    EXPECT_EQ(fileBytes(target + QStringLiteral("/Userdb.data")), first);

    const CliResult replaced = run({QStringLiteral("backup"), target, QStringLiteral("--replace")});
    ASSERT_EQ(replaced.exitCode, 0) << oneLine(replaced).toStdString();
    EXPECT_NE(fileBytes(target + QStringLiteral("/Userdb.data")), first);
}
