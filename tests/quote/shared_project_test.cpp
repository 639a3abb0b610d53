#include "project_fixture.h"

#include "quote/setup_keys.h"
#include "store/store_schema.h"
#include "support/test_database.h"

#include <functional>

namespace {

// A view that runs `hook` once when the save's progress reaches `at`.
class HookedView : public RecordingView {
public:
    using RecordingView::RecordingView;
    void progress(int value, int maximum) override {
        RecordingView::progress(value, maximum);
        if (value == at && hook) {
            std::exchange(hook, nullptr)();
        }
    }
    int at = -1;
    std::function<void()> hook;
};

// The open project of the fixture and a second seat's open project, each on a
// connection of its own to one store.
class SharedProject : public ProjectTest, public ::testing::WithParamInterface<Engine> {
protected:
    void SetUp() override {
        OPEN_TEST_DATABASE_OR_SKIP(shared, storeDb);
        createStoreSchema(storeDb);
        ASSERT_TRUE(shared.open(otherDb));
    }

    // A stored customer "甲" with three designed rooms.
    qint32 storedCustomer() {
        for (const char* title : {"客厅", "厨房", "卫生间"}) {
            NewRoomRequest request;
            request.name = QString::fromUtf8(title);
            drawRectangle(project->CreatNewRoom(request), 360, 270);
        }
        project->customer.name = QStringLiteral("甲");
        EXPECT_TRUE(project->savebtClick());
        return project->customer.id;
    }

    TestDatabase shared{GetParam()};
    Database otherDb;
    CustomerStore otherStore{otherDb};
    RecordingView otherView{library, prompts};
    OpenProject otherSeat{otherStore, held, *setup, prompts, otherView};
};

const QString conflict = QStringLiteral("threeway:该客户已被其他用户修改，是否另存为新客户？");

} // namespace

TEST_P(SharedProject, ASaveAfterAnotherSeatsSaveAsksAndDoesWhatTheAnswerSays) {
    const qint32 id = storedCustomer();
    const QString firstNumber = project->customer.proid;
    const struct {
        Prompts::ThreeWay answer;
        bool saved;
    } answers[] = {{Prompts::Cancel, false}, {Prompts::No, true}, {Prompts::Yes, true}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(otherSeat.openproject(id));
        otherSeat.customer.name = QStringLiteral("乙%1").arg(i);
        otherSeat.fieldChanged();
        ASSERT_TRUE(otherSeat.savebtClick());

        prompts.shown.clear();
        prompts.answerThreeWay(answers[i].answer);
        project->customer.name = QStringLiteral("甲%1").arg(i);
        project->room_list[0].room->title = QStringLiteral("主卧%1").arg(i);
        project->fieldChanged();
        EXPECT_EQ(project->savebtClick(), answers[i].saved);
        EXPECT_EQ(prompts.shown, QStringList{conflict});
        EXPECT_EQ(project->edited(), !answers[i].saved);
    }
    // 取消 kept editing and wrote nothing; 否 overwrote the other seat's save; 是 left
    // it alone and stored the project as a new customer with a new number.
    ASSERT_NE(project->customer.id, id);
    EXPECT_EQ(rows(QStringLiteral("userlist")), 2);
    EXPECT_EQ(store->customer(id)->name, QStringLiteral("乙2"));
    EXPECT_EQ(store->roomsOf(id)[0].title, QStringLiteral("主卧1"));
    const CustomerRecord copy = *store->customer(project->customer.id);
    EXPECT_EQ(copy.name, QStringLiteral("甲2"));
    EXPECT_EQ(copy.proid, QStringLiteral("HT0013"));
    EXPECT_NE(copy.proid, firstNumber);
    EXPECT_EQ(store->roomsOf(copy.id).size(), 3u);
    EXPECT_EQ(store->roomsOf(copy.id)[0].title, QStringLiteral("主卧2"));
    // A server draws numbers from the store, not from this seat's settings.
    EXPECT_EQ(setup->read(setup::index), storeDb.isServer() ? 0 : 14);

    // The project follows the revision it saved: the next save asks nothing.
    prompts.shown.clear();
    project->fieldChanged();
    EXPECT_TRUE(project->savebtClick());
    EXPECT_TRUE(prompts.shown.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Engines, SharedProject,
                         ::testing::Values(Engine::SQLite, Engine::PostgreSQL), engineName);

using SharedServerProject = SharedProject;

TEST_P(SharedServerProject, ASaveKilledBetweenRoomWritesLeavesTheCustomerWhollyOld) {
    const qint32 id = storedCustomer();
    const CustomerRecord before = *otherStore.customer(id);
    const std::vector<RoomRecord> roomsBefore = otherStore.roomsOf(id);

    HookedView hooked(library, prompts);
    std::unique_ptr<OpenProject> saving = reopen(hooked);
    ASSERT_TRUE(saving->openproject(id));
    const QVariant backend = storeDb.scalar(QStringLiteral("select pg_backend_pid()"));
    // Three rooms encoded, then the first of them written: the server ends the saving
    // connection's backend there.
    hooked.at = 4;
    hooked.hook = [&] {
        EXPECT_TRUE(
            otherDb.scalar(QStringLiteral("select pg_terminate_backend(?, 5000)"), {backend})
                .toBool());
    };
    saving->customer.name = QStringLiteral("改");
    for (const RoomEntry& entry : saving->room_list) {
        entry.room->title += QStringLiteral("改");
    }
    saving->fieldChanged();
    EXPECT_FALSE(saving->savebtClick());
    EXPECT_FALSE(hooked.hook) << "the save got as far as writing the first room";
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages()[0].startsWith(QStringLiteral("保存失败")));

    const CustomerRecord after = *otherStore.customer(id);
    EXPECT_EQ(std::tie(after.name, after.revision), std::tie(before.name, before.revision));
    const std::vector<RoomRecord> roomsAfter = otherStore.roomsOf(id);
    ASSERT_EQ(roomsAfter.size(), roomsBefore.size());
    for (std::size_t i = 0; i < roomsAfter.size(); ++i) {
        EXPECT_EQ(std::tie(roomsAfter[i].title, roomsAfter[i].roomKouban, roomsAfter[i].pic),
                  std::tie(roomsBefore[i].title, roomsBefore[i].roomKouban, roomsBefore[i].pic));
    }
}

INSTANTIATE_TEST_SUITE_P(Server, SharedServerProject, ::testing::Values(Engine::PostgreSQL),
                         engineName);
