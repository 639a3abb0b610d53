#include "project_fixture.h"

#include "library/product_library.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QThread>

#include <cstdio>

// A save is one transaction in SQLite's rollback journal: a process killed at any moment
// leaves the customer wholly in its old or wholly in its new version. The test saves a
// project of 20 rooms over and over in a child process and kills it (SIGKILL) at 100
// moments spread over a save.

namespace {

constexpr int Rooms = 20;
const char* const ChildStore = "YZ_CRASH_CHILD_STORE";
const char* const ChildLibrary = "YZ_CRASH_CHILD_LIBRARY";
const char* const ChildCustomer = "YZ_CRASH_CHILD_CUSTOMER";

// Every row of a version carries its number: the customer name "v7" and the room titles
// "v7-0" .. "v7-19".
void stampVersion(OpenProject& project, int version) {
    project.customer.name = QStringLiteral("v%1").arg(version);
    for (std::size_t i = 0; i < project.room_list.size(); ++i) {
        project.room_list[i].room->setName(QStringLiteral("v%1-%2").arg(version).arg(i));
    }
    project.fieldChanged();
}

// The version the store holds; -1 when its rows mix versions.
int storedVersion(CustomerStore& store, qint32 customer) {
    const std::optional<CustomerRecord> row = store.customer(customer);
    if (!row || !row->name.startsWith(u'v')) {
        return -1;
    }
    const int version = row->name.mid(1).toInt();
    const std::vector<RoomRecord> rooms = store.roomsOf(customer);
    if (int(rooms.size()) != Rooms) {
        return -1;
    }
    for (std::size_t i = 0; i < rooms.size(); ++i) {
        if (rooms[i].title != QStringLiteral("v%1-%2").arg(version).arg(i) ||
            !rooms[i].pic.startsWith("\xFF\xD8")) {
            return -1;
        }
    }
    return version;
}

} // namespace

class CrashSafetyTest : public ProjectTest {};

// The child: opens the customer and saves a new version until it is killed.
TEST(CrashSafetyChild, SavesUntilKilled) {
    if (qEnvironmentVariableIsEmpty(ChildStore)) {
        GTEST_SKIP() << "runs only as the crash test's child process";
    }
    Database library;
    Database storeDb;
    ASSERT_TRUE(library.open(qEnvironmentVariable(ChildLibrary)));
    ASSERT_TRUE(storeDb.open(qEnvironmentVariable(ChildStore)));
    HeldSettings held;
    SetupFile setup(qEnvironmentVariable(ChildStore) + QStringLiteral(".ini"));
    ScriptedPrompts prompts;
    CustomerStore store(storeDb);
    RecordingView view(library, prompts);
    OpenProject project(store, held, setup, prompts, view);
    const qint32 customer = qEnvironmentVariableIntValue(ChildCustomer);
    ASSERT_TRUE(project.openproject(customer));
    int version = storedVersion(store, customer);
    ASSERT_GE(version, 0);
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    for (;;) {
        stampVersion(project, ++version);
        ASSERT_TRUE(project.savebtClick());
    }
}

TEST_F(CrashSafetyTest, AKilledSaveLeavesTheOldOrTheNewVersionWhole) {
    const int panel = productOf(KindSquarePanel, 300, 300);
    for (int i = 0; i < Rooms; ++i) {
        TRoom_OBJ& room = project->CreatNewRoom({});
        drawRectangle(room, 300 + 30 * (i % 5), 240);
        room.currentProduct = {panel, KindSquarePanel, 0};
        room.wholeAndPatternFill(0, 0);
    }
    stampVersion(*project, 0);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(project->savebtClick());
    const qint64 saveMs = std::max<qint64>(clock.elapsed(), 20);
    const qint32 customer = project->customer.id;
    const QString storeFile = storeDb.path();
    storeDb.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(ChildStore), storeFile);
    env.insert(QString::fromLatin1(ChildLibrary), library.path());
    env.insert(QString::fromLatin1(ChildCustomer), QString::number(customer));
    QRandomGenerator random(20261209);
    int lastVersion = 0;
    int versionsSeen = 0;
    for (int kill = 0; kill < 100; ++kill) {
        QProcess child;
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::SeparateChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=CrashSafetyChild.SavesUntilKilled")});
        ASSERT_TRUE(child.waitForStarted());
        QByteArray out;
        while (!out.contains("ready\n")) {
            ASSERT_TRUE(child.waitForReadyRead(120000)) << child.readAllStandardError().data();
            out += child.readAllStandardOutput();
        }
        QThread::msleep(random.bounded(int(saveMs * 2)));
        ASSERT_EQ(child.state(), QProcess::Running) << child.readAllStandardError().data();
        child.kill();
        child.waitForFinished();

        Database check;
        ASSERT_TRUE(check.open(storeFile));
        EXPECT_EQ(check.scalar(QStringLiteral("pragma integrity_check")).toString(),
                  QStringLiteral("ok"));
        CustomerStore checkStore(check);
        const int version = storedVersion(checkStore, customer);
        ASSERT_GE(version, lastVersion) << "kill " << kill << ": a partial or lost save";
        versionsSeen += version != lastVersion ? 1 : 0;
        lastVersion = version;
    }
    // The kills fell before, inside and after saves alike.
    EXPECT_GT(versionsSeen, 10);
    EXPECT_LT(versionsSeen, 100);
}
