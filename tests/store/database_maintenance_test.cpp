#include "library/library_schema.h"
#include "platform/database.h"
#include "store/database_maintenance.h"
#include "store/store_schema.h"
#include "support/scripted_prompts.h"
#include "support/stopping_progress.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

namespace {

// The customer count of a copy, or -1 when the copy is no sound database.
int soundCustomerCount(const QString& path) {
    Database copy;
    if (!copy.open(path) ||
        copy.scalar(QStringLiteral("pragma integrity_check")).toString() != QLatin1String("ok")) {
        return -1;
    }
    return copy.scalar(QStringLiteral("select count(*) from userlist")).toInt();
}

// A program folder with both databases open, as while the program runs.
class Maintenance : public ::testing::Test {
protected:
    Maintenance() {
        QDir().mkpath(home.file(QStringLiteral("数据文件")));
        EXPECT_TRUE(library.create(libraryPath));
        createLibrarySchema(library);
        library.exec(QStringLiteral("insert into cailiao (id, cailiao) values (1, '扣板')"));
        EXPECT_TRUE(store.create(storePath));
        createStoreSchema(store);
        addCustomer(store, QStringLiteral("张三"));
    }

    static void addCustomer(Database& db, const QString& name) {
        db.exec(QStringLiteral("insert into userlist (name, Compid) values (?, 0)"), {name});
    }
    int customers() {
        return store.scalar(QStringLiteral("select count(*) from userlist")).toInt();
    }
    // Temporary files left anywhere in a folder.
    static QStringList leftovers(const QString& folder) {
        return QDir(folder).entryList({QStringLiteral("~ACP*")}, QDir::Files);
    }

    TempFolder home;
    QString libraryPath = home.file(QStringLiteral("数据文件/db.data"));
    QString storePath = home.file(QStringLiteral("数据文件/Userdb.data"));
    Database library;
    Database store;
    ScriptedPrompts prompts;
    DatabaseMaintenance maintenance{{library, libraryPath}, {store, storePath}, prompts};
};

} // namespace

TEST_F(Maintenance, BackupFoldersAndRepeatedBackupsReplaceTheirCopies) {
    const QDate day(2026, 12, 9);
    const QString standard = backup_folder::standard(home.path(), day);
    EXPECT_EQ(standard, home.file(QStringLiteral("备份文件/2026_12_9/")));
    EXPECT_EQ(backup_folder::standard(home.path(), QDate(2027, 1, 10)),
              home.file(QStringLiteral("备份文件/2027_1_10/")));
    EXPECT_EQ(backup_folder::inChosen(QStringLiteral("/media/u盘/"), day),
              QStringLiteral("/media/u盘/备份文件/2026_12_9/"));
    EXPECT_EQ(backup_folder::inChosen(QStringLiteral("/media/u盘"), day),
              QStringLiteral("/media/u盘/备份文件/2026_12_9/"));
    EXPECT_EQ(backup_folder::fromText(QStringLiteral("  copies/a "), home.path()),
              home.file(QStringLiteral("copies/a/")));
    EXPECT_EQ(backup_folder::fromText(standard, home.path()), standard);

    ASSERT_TRUE(maintenance.backup(standard, noProgress()));
    EXPECT_EQ(soundCustomerCount(standard + QStringLiteral("Userdb.data")), 1);
    EXPECT_TRUE(prompts.shown.isEmpty());
    addCustomer(store, QStringLiteral("李四"));
    // What a backup killed while writing straight into the folder left there.
    home.write(QStringLiteral("备份文件/2026_12_9/~ACP1a2b3c.tmp"), "partial");
    home.write(QStringLiteral("备份文件/2026_12_9/~ACP1a2b3c.tmp-journal"), "partial");
    EXPECT_FALSE(maintenance.backup(standard, noProgress())) << "declined";
    EXPECT_EQ(prompts.shown, QStringList{QStringLiteral("confirm:文件夹中已有备份,是否替换?\n") +
                                         QDir::toNativeSeparators(standard)});
    EXPECT_EQ(soundCustomerCount(standard + QStringLiteral("Userdb.data")), 1);
    prompts.answerConfirm(true);
    ASSERT_TRUE(maintenance.backup(standard, noProgress()));
    EXPECT_EQ(soundCustomerCount(standard + QStringLiteral("Userdb.data")), 2)
        << "the second backup of the day replaces the first once the user agrees";
    Database libraryCopy;
    ASSERT_TRUE(libraryCopy.open(standard + QStringLiteral("db.data")));
    EXPECT_EQ(libraryCopy.scalar(QStringLiteral("select cailiao from cailiao")), "扣板");
    EXPECT_EQ(QDir(standard).entryList(QDir::Files),
              QStringList({QStringLiteral("db.data"), QStringLiteral("Userdb.data")}));

    // A folder typed without a trailing separator, whose parents are missing.
    const QString typed = home.file(QStringLiteral("外部/备份"));
    ASSERT_TRUE(maintenance.backup(backup_folder::fromText(typed, home.path()), noProgress()));
    EXPECT_EQ(soundCustomerCount(typed + QStringLiteral("/Userdb.data")), 2);
    EXPECT_TRUE(QFile::exists(typed + QStringLiteral("/db.data")));
    EXPECT_FALSE(QFile::exists(typed + QStringLiteral("Userdb.data")));
    EXPECT_EQ(prompts.shown.size(), 2);
    // The program's connections stayed open throughout.
    addCustomer(store, QStringLiteral("王五"));
    EXPECT_EQ(customers(), 3);
}

TEST_F(Maintenance, AMissingFileIsReportedTheOtherIsStillCopiedAndTheBackupIsIncomplete) {
    library.close();
    ASSERT_TRUE(QFile::remove(libraryPath));
    const QString folder = home.file(QStringLiteral("备份/"));
    EXPECT_FALSE(maintenance.backup(folder, noProgress()));
    EXPECT_EQ(prompts.messages(),
              QStringList({QStringLiteral("找不到文件:") + QDir::toNativeSeparators(libraryPath)}));
    EXPECT_EQ(soundCustomerCount(folder + QStringLiteral("Userdb.data")), 1);
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("db.data")));
}

TEST_F(Maintenance, ABackupTakenWhileAnotherConnectionWritesHoldsASoundStore) {
    // A write in progress is not part of the copy.
    Database writer;
    ASSERT_TRUE(writer.open(storePath));
    {
        Transaction pending(writer);
        addCustomer(writer, QStringLiteral("未提交"));
        ASSERT_TRUE(maintenance.backup(home.file(QStringLiteral("pending/")), noProgress()));
    }
    EXPECT_EQ(soundCustomerCount(home.file(QStringLiteral("pending/Userdb.data"))), 1);
    writer.close();

    // Another connection commits customers, with large memos, the whole time.
    std::atomic<bool> stop{false};
    std::atomic<int> written{0};
    std::thread writing([&] {
        Database db;
        if (!db.open(storePath)) {
            return;
        }
        const QString memo(20000, u'备');
        while (!stop) {
            Transaction t(db);
            for (int i = 0; i < 20; ++i) {
                db.exec(QStringLiteral("insert into userlist (name, memo) values ('写', ?)"),
                        {memo});
            }
            t.commit();
            ++written;
        }
    });
    int last = 1;
    for (int i = 0; i < 8; ++i) {
        const QString folder = home.file(QStringLiteral("live%1/").arg(i));
        ASSERT_TRUE(maintenance.backup(folder, noProgress()));
        const int count = soundCustomerCount(folder + QStringLiteral("Userdb.data"));
        EXPECT_GE(count, last) << "copy " << i;
        EXPECT_EQ((count - 1) % 20, 0) << "a copy holds whole transactions only";
        last = count;
    }
    stop = true;
    writing.join();
    EXPECT_GT(written.load(), 0);
}

TEST_F(Maintenance, ABackupStoppedAtAnyStepLeavesTheFolderAsItWas) {
    const QString folder = home.file(QStringLiteral("备份文件/2026_12_9/"));
    ASSERT_TRUE(maintenance.backup(folder, noProgress()));
    const QByteArray before = fileBytes(folder + QStringLiteral("Userdb.data"));
    addCustomer(store, QStringLiteral("李四"));
    for (int step = 0; step < 3; ++step) {
        StoppingProgress stopping(step);
        prompts.answerConfirm(true); // replace the backup there
        EXPECT_FALSE(maintenance.backup(folder, stopping)) << step;
        EXPECT_EQ(stopping.reported.size(), step + 1);
        EXPECT_EQ(stopping.open, 0);
        EXPECT_EQ(fileBytes(folder + QStringLiteral("Userdb.data")), before) << step;
        EXPECT_EQ(QDir(home.file(QStringLiteral("备份文件")))
                      .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{"2026_12_9"})
            << "nothing written beside it";
        EXPECT_TRUE(leftovers(folder).isEmpty());
    }
    StoppingProgress watched;
    prompts.answerConfirm(true);
    ASSERT_TRUE(maintenance.backup(folder, watched));
    EXPECT_EQ(watched.captions, QStringList{"备份数据库"});
    EXPECT_EQ(watched.reported, (QList<int>{0, 1, 2}));
    EXPECT_EQ(soundCustomerCount(folder + QStringLiteral("Userdb.data")), 2);
}

TEST_F(Maintenance, CompactionShrinksBothFilesAndAnAnswerOrAFailureOtherwiseLeavesThemAsTheyWere) {
    const QByteArray big(2 << 20, 'x');
    store.exec(QStringLiteral("update userlist set Prolist = ?"), {big});
    library.exec(QStringLiteral("insert into pic (id, title, l_img) values (9, '灯', ?)"), {big});
    store.exec(QStringLiteral("update userlist set Prolist = null"));
    library.exec(QStringLiteral("delete from pic"));
    const QByteArray storeBefore = fileBytes(storePath);
    const QByteArray libraryBefore = fileBytes(libraryPath);

    prompts.answerConfirm(false);
    maintenance.compact(noProgress());
    EXPECT_EQ(prompts.shown,
              QStringList({"confirm:压缩期间请不要关闭本程序", "message:建议您每月压缩一次."}));
    EXPECT_EQ(fileBytes(storePath), storeBefore);
    EXPECT_EQ(fileBytes(libraryPath), libraryBefore);
    EXPECT_EQ(customers(), 1);

    // A library that is no database fails the compaction; the store is not tried.
    library.close();
    home.write(QStringLiteral("数据文件/db.data"), QByteArray(4096, '\x5a'));
    prompts.shown.clear();
    prompts.answerConfirm(true);
    maintenance.compact(noProgress());
    EXPECT_EQ(prompts.messages().last(), QStringLiteral("失败!1.无ADO引擎 2.数据库正使用"));
    EXPECT_EQ(fileBytes(libraryPath), QByteArray(4096, '\x5a'));
    EXPECT_EQ(fileBytes(storePath), storeBefore);
    EXPECT_EQ(customers(), 1) << "the store is open again";

    // With a sound library both files shrink and keep their content.
    QFile::remove(libraryPath);
    Database rebuilt;
    ASSERT_TRUE(rebuilt.create(libraryPath));
    createLibrarySchema(rebuilt);
    rebuilt.exec(QStringLiteral("insert into pic (id, title, l_img) values (9, '灯', ?)"), {big});
    rebuilt.exec(QStringLiteral("delete from pic"));
    rebuilt.exec(QStringLiteral("insert into cailiao (id, cailiao) values (1, '扣板')"));
    rebuilt.close();
    const qint64 libraryFull = QFileInfo(libraryPath).size();
    const QFileDevice::Permissions shared = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(storePath, shared));
    // Stopped before the store, the library alone is compacted, and nothing is said.
    for (const int step : {0, 1}) {
        prompts.shown.clear();
        prompts.answerConfirm(true);
        StoppingProgress stopping(step);
        maintenance.compact(stopping);
        EXPECT_EQ(prompts.shown, QStringList{"confirm:压缩期间请不要关闭本程序"});
        EXPECT_EQ(fileBytes(storePath), storeBefore) << step;
        EXPECT_EQ(QFileInfo(libraryPath).size() * 4 < libraryFull, step == 1) << step;
        EXPECT_EQ(customers(), 1) << "the store is open again";
    }
    prompts.shown.clear();
    prompts.answerConfirm(true);
    maintenance.compact(noProgress());
    EXPECT_EQ(prompts.shown,
              QStringList({"confirm:压缩期间请不要关闭本程序", "message:压缩数据库成功"}));
    EXPECT_LT(QFileInfo(storePath).size() * 4, storeBefore.size());
    EXPECT_EQ(std::filesystem::status(storePath.toStdU16String()).permissions(),
              std::filesystem::perms(0664))
        << "the compacted file keeps its mode";
    EXPECT_LT(QFileInfo(libraryPath).size() * 4, libraryFull);
    EXPECT_EQ(customers(), 1);
    EXPECT_EQ(library.scalar(QStringLiteral("select cailiao from cailiao where id = 1")), "扣板");
    EXPECT_TRUE(leftovers(home.file(QStringLiteral("数据文件"))).isEmpty());
}
