#include "project_fixture.h"

#include "quote/schema_upgrade.h"
#include "store/room_ceilings.h"
#include "store/store_copy.h"
#include "store/store_schema.h"
#include "support/test_database.h"

namespace {

// The open project of the fixture on a store of either engine.
class RoomCeilingHeight : public ProjectTest, public ::testing::WithParamInterface<Engine> {
protected:
    void SetUp() override {
        OPEN_TEST_DATABASE_OR_SKIP(home_, storeDb);
        createStoreSchema(storeDb);
        held.ceilingHeight = 260;
    }

    // The stored heights by room title, of every customer.
    std::map<QString, int> storedHeights(Database& db) {
        std::map<QString, int> heights;
        QSqlQuery q = db.exec(QStringLiteral("select roomlist.Title, roomceiling.height from "
                                             "roomceiling join roomlist on roomlist.id = "
                                             "roomceiling.id order by roomlist.id"));
        while (q.next()) {
            heights[q.value(0).toString() + u'@' + QString::number(q.value(1).toInt())]++;
        }
        return heights;
    }
    int heightRows() { return rows(QStringLiteral("roomceiling")); }

    TestDatabase home_{GetParam()};
};

} // namespace

TEST_P(RoomCeilingHeight, IsSavedLoadedCopiedAndRemovedWithItsRoom) {
    for (const char* title : {"客厅", "厨房"}) {
        NewRoomRequest request;
        request.name = QString::fromUtf8(title);
        drawRectangle(project->CreatNewRoom(request), 360, 270);
    }
    project->customer.name = QStringLiteral("甲");
    ASSERT_TRUE(project->savebtClick());
    EXPECT_EQ(heightRows(), 0) << "a room without its own height stores none";

    // Only the height changes: the project is edited and the save writes it.
    project->setCeilingHeight(0, 305);
    EXPECT_TRUE(project->edited());
    EXPECT_EQ(project->ceilingHeight(1), 260);
    ASSERT_TRUE(project->savebtClick());
    EXPECT_EQ(heightRows(), 1);

    RecordingView otherView(library, prompts);
    std::unique_ptr<OpenProject> reopened = reopen(otherView);
    ASSERT_TRUE(reopened->openproject(project->customer.id));
    EXPECT_EQ(reopened->ceilingHeight(0), 305);
    EXPECT_EQ(reopened->ceilingHeight(1), 260);
    held.ceilingHeight = 280; // the setting changed: rooms without a height follow it
    EXPECT_EQ(reopened->ceilingHeight(1), 280);

    // A copied room, and the rooms of a customer saved as a new one, keep it.
    prompts.answerConfirm(true);
    ASSERT_TRUE(reopened->copyRoom(0));
    EXPECT_EQ(reopened->ceilingHeight(2), 305);
    ASSERT_TRUE(reopened->savebtClick());
    EXPECT_EQ(heightRows(), 2);
    prompts.answerConfirm(true);
    ASSERT_TRUE(reopened->N34Click());
    EXPECT_EQ(heightRows(), 4);
    EXPECT_EQ(storedHeights(storeDb), (std::map<QString, int>{{QStringLiteral("客厅@305"), 4}}));

    // A store copied whole keeps them.
    TempFolder copyFolder;
    const QString copyFile = copyFolder.file(QStringLiteral("copy.data"));
    store_copy::writeLocalFile(storeDb, copyFile, noProgress());
    Database copy;
    ASSERT_TRUE(copy.open(copyFile));
    EXPECT_EQ(room_ceilings::heightsOfCustomer(copy, reopened->customer.id).size(), 2u);

    // Removed with the room and with the customer.
    prompts.answerConfirm(true);
    prompts.answerConfirm(true);
    ASSERT_TRUE(reopened->deleteRoom(2));
    EXPECT_EQ(heightRows(), 3);
    store->deleteCustomer(reopened->customer.id);
    EXPECT_EQ(heightRows(), 2) << "the first customer's two rooms keep theirs";
}

TEST_P(RoomCeilingHeight, AStoreMadeBeforeTheTableGetsItOnUpgrade) {
    storeDb.exec(QStringLiteral("drop table roomceiling"));
    upgradeCustomerStore(storeDb);
    room_ceilings::store(storeDb, 5, 250);
    EXPECT_EQ(room_ceilings::heightOf(storeDb, 5), 250);
    upgradeCustomerStore(storeDb); // a second start keeps what is stored
    EXPECT_EQ(room_ceilings::heightOf(storeDb, 5), 250);
}

INSTANTIATE_TEST_SUITE_P(Engines, RoomCeilingHeight,
                         ::testing::Values(Engine::SQLite, Engine::PostgreSQL), engineName);
