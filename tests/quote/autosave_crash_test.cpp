#include "autosave_fixture.h"
#include "kill_harness.h"

#include "library/product_library.h"
#include "quote/left_copies.h"
#include "quote/room_digest.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>

#include <set>

#include <unistd.h>

// An automatic copy is one transaction in SQLite's rollback journal: a program killed at
// any moment leaves a recovery file that holds one whole copy. The test forks a child that
// edits a project of 20 rooms and copies it over and over, and kills it (SIGKILL) 100
// times at moments spread over about two copies.

namespace {

constexpr int Rooms = 20;

// How often versions 1..version toggled the panel of the room.
int toggles(int version, int room) {
    return room == 0 ? version / Rooms : (version >= room ? (version - room) / Rooms + 1 : 0);
}

class AutosaveCrashTest : public AutosaveTest {
protected:
    // In the forked child: copies a new version of the project over and over until it is
    // killed; tells the parent once the first copy is written. Never returns.
    [[noreturn]] void copyUntilKilled(int readyPipe) {
        Autosaver autosaver(*project, held, recoveryFolder());
        autosaver.onFailed = [](const QString&) { _exit(4); };
        for (int version = 1;; ++version) {
            // Version v also places or takes out the first panel of room v % 20.
            stampVersion(*project, version);
            TRoom_OBJ& room = *project->room_list[std::size_t(version % Rooms)].room;
            togglePanel(room);
            editAndCopy(autosaver, &room);
            if (version == 1 && write(readyPipe, "r", 1) != 1) {
                _exit(3);
            }
        }
    }

    // The version the copy holds; -1 when its parts are not of one version.
    int versionOf(const recovery_file::Contents& contents) {
        const ProjectCopy& copy = contents.copy;
        const int version = copy.customer.name.mid(1).toInt();
        if (int(copy.rooms.size()) != Rooms) {
            return -1;
        }
        for (int i = 0; i < Rooms; ++i) {
            const RoomRecord& row = copy.rooms[std::size_t(i)].row;
            const QByteArray& expected = toggles(version, i) % 2 ? toggled[i] : laid[i];
            if (row.title != QStringLiteral("v%1-%2").arg(version).arg(i) ||
                row.roomKouban != expected) {
                return -1;
            }
        }
        return version;
    }

    QByteArray laid[Rooms];
    QByteArray toggled[Rooms];
};

} // namespace

TEST_F(AutosaveCrashTest, AKilledCopyLeavesOneWholeVersionAndTheStoreUntouched) {
    const int panel = productOf(KindSquarePanel, 300, 300);
    for (int i = 0; i < Rooms; ++i) {
        TRoom_OBJ& room = addTiledRoom(i, panel);
        laid[i] = writeRoomRecords(room).kouban;
        togglePanel(room);
        toggled[i] = writeRoomRecords(room).kouban;
        togglePanel(room);
        ASSERT_EQ(writeRoomRecords(room).kouban, laid[i]);
    }
    stampVersion(*project, 0);
    ASSERT_TRUE(project->savebtClick());
    project->fieldChanged();
    int copyMs = 20;
    {
        Autosaver timing(*project, held, home.file(QStringLiteral("timing")));
        QElapsedTimer clock;
        clock.start();
        editAndCopy(timing, project->room_list[0].room.get());
        copyMs = int(std::max<qint64>(clock.elapsed(), copyMs));
    }
    const QString storeFile = storeDb.path();
    const QByteArray storeBytes = fileBytes(storeFile);
    // No connection is carried into a child.
    storeDb.close();

    QRandomGenerator random(20261211);
    std::set<int> versionsSeen;
    int killedInsideAWrite = 0;
    for (int kill = 0; kill < 100; ++kill) {
        runAndKill([this](int ready) { copyUntilKilled(ready); }, int(random.bounded(copyMs * 2)));
        if (HasFatalFailure()) {
            return;
        }

        std::vector<left_copies::LeftCopy> left =
            left_copies::find(recoveryFolder(), backupFolder());
        ASSERT_EQ(left.size(), 1u) << "kill " << kill << ": the killed child's copy is offered";
        killedInsideAWrite += QFileInfo::exists(left[0].path + QStringLiteral("-journal"));
        Database check;
        ASSERT_TRUE(check.open(left[0].path));
        EXPECT_EQ(check.scalar(QStringLiteral("pragma integrity_check")).toString(),
                  QStringLiteral("ok"));
        check.close();
        const int version = versionOf(left[0].contents);
        ASSERT_GE(version, 1) << "kill " << kill << ": a copy of mixed versions";
        versionsSeen.insert(version);
        EXPECT_EQ(fileBytes(storeFile), storeBytes) << "kill " << kill;
        recovery_file::remove(left[0].path);
    }
    // The kills fell between and inside copies alike.
    EXPECT_GT(versionsSeen.size(), 1u);
    EXPECT_GT(killedInsideAWrite, 0);
    EXPECT_LT(killedInsideAWrite, 100);
    ASSERT_TRUE(storeDb.open(storeFile));
}
