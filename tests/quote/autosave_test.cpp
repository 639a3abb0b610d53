#include "autosave_fixture.h"

#include "library/product_library.h"
#include "quote/left_copies.h"
#include "quote/room_digest.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace {

ProjectCopy listsOf(const OpenProject& project) {
    ProjectCopy copy;
    copy.customer = project.customer;
    copy.billLines = project.price_list;
    copy.items = project.other_list;
    return copy;
}

} // namespace

TEST(AutosaveSchedulerTest, CopiesAfterAPauseOrEveryIntervalWhileEditingAndNeverWhenOff) {
    struct Case {
        const char* what;
        int minutes;
        std::vector<qint64> edits;
        qint64 check;
        bool due;
    };
    std::vector<qint64> everySecond;
    for (qint64 t = 0; t <= 200000; t += 1000) {
        everySecond.push_back(t);
    }
    const Case cases[] = {
        {"nothing edited", 3, {}, 100000, false},
        {"during the pause", 3, {0, 1000}, 4999, false},
        {"after the pause", 3, {0, 1000}, 5000, true},
        {"drawing on, before the interval", 3, everySecond, 179999, false},
        {"drawing on, at the interval", 3, everySecond, 180000, true},
        {"turned off", 0, {0}, 10000000, false},
    };
    for (const Case& c : cases) {
        AutosaveScheduler scheduler;
        scheduler.setIntervalMinutes(c.minutes);
        for (qint64 t : c.edits) {
            if (t <= c.check) {
                scheduler.edited(t);
            }
        }
        EXPECT_EQ(scheduler.due(c.check), c.due) << c.what;
    }

    AutosaveScheduler scheduler;
    scheduler.edited(0);
    scheduler.taken();
    EXPECT_FALSE(scheduler.due(60000)) << "the edits are in the copy";
    scheduler.failed(60000);
    EXPECT_FALSE(scheduler.due(70000)) << "a failed copy is not retried at once";
    EXPECT_TRUE(scheduler.due(60000 + 180000)) << "but after the interval";
    scheduler.edited(61000);
    EXPECT_TRUE(scheduler.due(65000)) << "or after the pause that follows an edit";
}

TEST_F(AutosaveTest, ARecoveredCopyEqualsTheProjectFieldByFieldAndSavesIntoItsCustomer) {
    for (const int mode : {SquarePanelRoom, StripsAlongColumns, StripsAlongRows}) {
        NewRoomRequest request;
        request.name = QStringLiteral("房间%1").arg(mode);
        request.roomMode = mode;
        TRoom_OBJ& room = project->CreatNewRoom(request);
        drawRectangle(room, 360, 270);
        const int kind = mode == SquarePanelRoom ? KindSquarePanel : KindStrip;
        const QVariant product = library.scalar(
            QStringLiteral("select id from pic where style = ? order by id limit 1"), {kind});
        room.currentProduct = {product.toInt(), kind, 0};
        room.wholeAndPatternFill(0, 0);
        room.recount();
    }
    auto appliance = std::make_unique<tdianqi_rec>();
    appliance->id = productOf(KindAppliance, 300, 300);
    appliance->x = 930;
    appliance->y = 930;
    project->room_list[0].room->objects.push_back(std::move(appliance));
    project->room_list[0].room->reseatAllAppliances();
    project->customer.name = QStringLiteral("张三");
    project->customer.zk = 95;
    ASSERT_TRUE(project->savebtClick());
    const QByteArray storeBefore = fileBytes(storeDb.path());

    // Edits after the save, of every kind the copy holds.
    project->customer.tele = QStringLiteral("0571-7654321");
    project->customer.designdate = QDateTime(QDate(2026, 12, 11), QTime(9, 30));
    project->customer.keelPrice = 4.5;
    project->price_list.append(Ppdu_id{QStringLiteral("灯"), 77, 2, KindAppliance, 12.5, 3, 300,
                                       600, QStringLiteral("个")});
    project->other_list.append(
        otherrec{78, 3, QStringLiteral("吊杆"), QStringLiteral("根"), -2, KindOther, 1.5});
    project->fieldChanged();
    togglePanel(*project->room_list[0].room);
    project->room_list[1].room->not_Cacl = 1;
    project->room_list[2].room->setName(QStringLiteral("卫生间"));
    project->room_list[2].room->zoom = 14;
    project->setCeilingHeight(1, 285);
    project->cuttingStock[4711] = 4000;
    NewRoomRequest unsaved;
    unsaved.name = QStringLiteral("阳台");
    drawRectangle(project->CreatNewRoom(unsaved), 200, 150);

    Autosaver autosaver(*project, held, recoveryFolder());
    std::vector<QDateTime> copied;
    autosaver.onCopied = [&](const QDateTime& when) { copied.push_back(when); };
    editAndCopy(autosaver, project->room_list[0].room.get());
    ASSERT_EQ(copied.size(), 1u);
    EXPECT_EQ(autosavedText(copied[0]),
              QStringLiteral("已自动保存 ") + copied[0].toString(QStringLiteral("HH:mm")));
    EXPECT_EQ(fileBytes(storeDb.path()), storeBefore) << "the customer store is never written";
    const QString left = leaveBehind(autosaver, QStringLiteral("autosave-1-1.data"));

    RecordingView otherView(library, prompts);
    auto recovered = reopen(otherView);
    Autosaver next(*recovered, held, home.file(QStringLiteral("数据文件/恢复2")));
    prompts.answerConfirm(true);
    ASSERT_TRUE(left_copies::offer(recoveryFolder(), backupFolder(), *recovered, prompts, next));
    EXPECT_EQ(prompts.shown.size(), 1) << "the running program's own copy is not offered";

    EXPECT_TRUE(recovered->edited());
    EXPECT_EQ(recovered->customer.id, project->customer.id);
    EXPECT_EQ(recovered->customer.tele, QStringLiteral("0571-7654321"));
    EXPECT_EQ(recovered->customer.designdate, project->customer.designdate);
    EXPECT_EQ(recovered->customer.zk, 95);
    ASSERT_EQ(recovered->price_list.size(), 1);
    EXPECT_EQ(recovered->price_list[0].height, 600);
    ASSERT_EQ(recovered->other_list.size(), 1);
    EXPECT_EQ(recovered->other_list[0].number, -2);
    EXPECT_EQ(encodeProjectPart(listsOf(*recovered)), encodeProjectPart(listsOf(*project)))
        << "every other field of the customer, the bill lines and the items";
    EXPECT_EQ(otherView.tabs, QStringList({"房间0", "房间1", "卫生间", "阳台"}));
    EXPECT_EQ(recovered->cuttingStock, project->cuttingStock);
    ASSERT_EQ(recovered->room_list.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        TRoom_OBJ& a = *project->room_list[i].room;
        TRoom_OBJ& b = *recovered->room_list[i].room;
        const std::string what = "room " + std::to_string(i);
        EXPECT_EQ(recovered->room_list[i].id, project->room_list[i].id) << what;
        EXPECT_EQ(b.roomstyle, a.roomstyle) << what;
        EXPECT_EQ(b.not_Cacl, a.not_Cacl) << what;
        EXPECT_EQ(b.zoom, a.zoom) << what;
        EXPECT_EQ(recovered->ownCeilingHeight(int(i)), project->ownCeilingHeight(int(i))) << what;
        const RoomRecords ra = writeRoomRecords(a);
        const RoomRecords rb = writeRoomRecords(b);
        // The wall record also holds the view's origin, which loading moves by its zoom step.
        EXPECT_EQ(b.wall.corners(), a.wall.corners()) << what;
        EXPECT_EQ(rb.kouban, ra.kouban) << what;
        EXPECT_EQ(rb.dianqi, ra.dianqi) << what;
    }
    EXPECT_FALSE(QFileInfo::exists(left)) << "the taken copy became the new program's";
    EXPECT_TRUE(QFileInfo::exists(next.path()));

    // "保存" updates the customer the copy came from, rooms and all.
    const int customers = rows(QStringLiteral("userlist"));
    ASSERT_TRUE(recovered->savebtClick());
    EXPECT_EQ(recovered->customer.id, project->customer.id);
    EXPECT_EQ(rows(QStringLiteral("userlist")), customers);
    EXPECT_EQ(store->customer(project->customer.id)->tele, QStringLiteral("0571-7654321"));
    const std::vector<RoomRecord> stored = store->roomsOf(project->customer.id);
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[0].roomKouban, writeRoomRecords(*project->room_list[0].room).kouban);
    EXPECT_EQ(stored[2].title, QStringLiteral("卫生间"));
}

TEST_F(AutosaveTest, LeftCopiesAreOfferedNewestFirstAndANoKeepsTheFileAmongTheBackups) {
    TRoom_OBJ& room = project->CreatNewRoom({});
    drawRectangle(room, 300, 300);
    Autosaver autosaver(*project, held, recoveryFolder());
    project->customer.name = QStringLiteral("旧");
    project->fieldChanged();
    editAndCopy(autosaver, &room);
    const QString older = leaveBehind(autosaver, QStringLiteral("autosave-11-1.data"));
    project->customer.name = QStringLiteral("新");
    editAndCopy(autosaver, &room);
    const QString newer = leaveBehind(autosaver, QStringLiteral("autosave-12-1.data"));
    // The copy of a program that still runs: it holds the lock.
    const QString running = leaveBehind(autosaver, QStringLiteral("autosave-13-1.data"));
    QLockFile runningLock(running + QStringLiteral(".lock"));
    ASSERT_TRUE(runningLock.tryLock(0));
    const std::optional<recovery_file::Contents> newest = recovery_file::read(newer);
    const std::optional<recovery_file::Contents> oldest = recovery_file::read(older);
    ASSERT_TRUE(newest && oldest);

    RecordingView otherView(library, prompts);
    auto recovered = reopen(otherView);
    Autosaver next(*recovered, held, home.file(QStringLiteral("数据文件/恢复2")));
    prompts.answerConfirm(false);
    prompts.answerConfirm(true);
    ASSERT_TRUE(left_copies::offer(recoveryFolder(), backupFolder(), *recovered, prompts, next));
    const QString time = newest->header.savedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    EXPECT_EQ(
        prompts.shown,
        QStringList({QStringLiteral("yesno:提示信息|上次未正常退出，发现自动保存的设计（客户：新 "
                                    "时间：") +
                         time + QStringLiteral("），是否恢复？"),
                     QStringLiteral("yesno:提示信息|") + left_copies::question(*oldest)}));
    EXPECT_EQ(recovered->customer.name, QStringLiteral("旧"));
    EXPECT_TRUE(recovered->edited());
    EXPECT_TRUE(QFileInfo::exists(running)) << "the running program's copy stays untouched";

    // "否" moved the newer copy, whole, under its date among the backups.
    EXPECT_FALSE(QFileInfo::exists(newer));
    const QStringList backups = QDir(backupFolder()).entryList(QDir::Files);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(backups[0], QStringLiteral("自动保存_") +
                              newest->header.savedAt.toString(QStringLiteral("yyyyMMdd_HHmmss")) +
                              QStringLiteral(".data"));
    const auto kept = recovery_file::read(QDir(backupFolder()).filePath(backups[0]));
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->copy.customer.name, QStringLiteral("新"));

    // A project that was never saved stays new: saving it makes a customer.
    EXPECT_EQ(recovered->customer.id, -1);
    ASSERT_TRUE(recovered->savebtClick());
    EXPECT_GE(recovered->customer.id, 0);
    EXPECT_EQ(rows(QStringLiteral("userlist")), 1);
}

TEST_F(AutosaveTest, AFailedCopyIsToldOnceEditingGoesOnAndNothingUnsavedLeavesNoCopy) {
    const QString folder = home.file(QStringLiteral("blocked"));
    home.write(QStringLiteral("blocked"), "a file where the folder should be");
    Autosaver autosaver(*project, held, folder);
    QStringList failures;
    int copies = 0;
    autosaver.onFailed = [&](const QString& reason) { failures.push_back(reason); };
    autosaver.onCopied = [&](const QDateTime&) { ++copies; };
    TRoom_OBJ& room = project->CreatNewRoom({});
    drawRectangle(room, 300, 300);
    room.currentProduct = {productOf(KindSquarePanel, 300, 300), KindSquarePanel, 0};
    room.wholeAndPatternFill(0, 0);
    project->fieldChanged();
    for (int i = 0; i < 3; ++i) {
        togglePanel(room);
        editAndCopy(autosaver, &room);
        now += held.autosaveMinutes * 60000;
    }
    EXPECT_EQ(failures.size(), 1) << "said once";
    EXPECT_EQ(copies, 0);
    EXPECT_TRUE(project->edited());
    EXPECT_TRUE(autosaveFailedText(failures.value(0)).startsWith(QStringLiteral("自动保存失败")));

    // Once the folder can be written the copies go on, with every room.
    QFile::remove(folder);
    QDir().mkpath(folder);
    togglePanel(room);
    editAndCopy(autosaver, nullptr);
    EXPECT_EQ(copies, 1);
    const auto copy = recovery_file::read(autosaver.path());
    ASSERT_TRUE(copy);
    ASSERT_EQ(copy->copy.rooms.size(), 1u);
    EXPECT_EQ(copy->copy.rooms[0].row.roomKouban, writeRoomRecords(room).kouban);

    // Turned off, no copy is written.
    held.autosaveMinutes = 0;
    togglePanel(room);
    editAndCopy(autosaver, &room);
    EXPECT_EQ(copies, 1);

    // After a save nothing is unsaved: the copy goes.
    ASSERT_TRUE(project->savebtClick());
    autosaver.tickAt(now + 1);
    EXPECT_FALSE(QFileInfo::exists(autosaver.path()));
}
