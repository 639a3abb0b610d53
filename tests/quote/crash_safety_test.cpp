#include "kill_harness.h"
#include "project_fixture.h"

#include "library/product_library.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <unistd.h>

// A save is one transaction in SQLite's rollback journal: a process killed at any moment
// leaves the customer wholly in its old or wholly in its new version. The test forks a
// child that saves a project of 20 rooms over and over and kills it (SIGKILL), 100 times
// at moments spread over about two saves.

namespace {

constexpr int Rooms = 20;

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

// In the forked child: opens its own connection, then saves a new version of the
// project over and over until it is killed. Never returns.
[[noreturn]] void saveUntilKilled(OpenProject& project, Database& store, const QString& file,
                                  int readyPipe) {
    if (!store.open(file)) {
        _exit(2);
    }
    // A forked child has none of the parent's pool threads: its saves draw on its own one.
    project.pictures().options.parallel = false;
    CustomerStore rows(store);
    int version = storedVersion(rows, project.customer.id);
    // The child forked from the first save; earlier children saved since.
    project.customer.revision = rows.revisionOf(project.customer.id).value_or(-1);
    if (version < 0 || write(readyPipe, "r", 1) != 1) {
        _exit(3);
    }
    for (;;) {
        stampVersion(project, ++version);
        if (!project.savebtClick()) {
            _exit(4);
        }
    }
}

} // namespace

class CrashSafetyTest : public ProjectTest {};

TEST_F(CrashSafetyTest, AKilledSaveLeavesTheOldOrTheNewVersionWhole) {
    const int panel = productOf(KindSquarePanel, 300, 300);
    for (int i = 0; i < Rooms; ++i) {
        addTiledRoom(i, panel);
    }
    stampVersion(*project, 0);
    // Timed as the child saves, on one thread.
    project->pictures().options.parallel = false;
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(project->savebtClick());
    const int saveMs = int(std::max<qint64>(clock.elapsed(), 20));
    const qint32 customer = project->customer.id;
    const QString storeFile = storeDb.path();
    // No connection is carried into a child: each opens its own.
    storeDb.close();

    QRandomGenerator random(20261209);
    int lastVersion = 0;
    int versionsSeen = 0;
    for (int kill = 0; kill < 100; ++kill) {
        runAndKill([&](int ready) { saveUntilKilled(*project, storeDb, storeFile, ready); },
                   int(random.bounded(saveMs * 4)));
        if (HasFatalFailure()) {
            return;
        }

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
    ASSERT_TRUE(storeDb.open(storeFile));
}
