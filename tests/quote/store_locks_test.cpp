// Two seats on one customer store: a seat's open save neither breaks nor holds up the
// other one beyond the lock wait, and what it costs the other is told in plain words.

#include "platform/database.h"
#include "quote/schema_upgrade.h"
#include "store/customer_store.h"
#include "store/store_schema.h"
#include "support/test_database.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>

namespace {

using namespace std::chrono_literals;

class StoreLocks : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        OPEN_TEST_DATABASE_OR_SKIP(home, mine);
        mine.setSubject(QStringLiteral("客户库"));
        createStoreSchema(mine);
        CustomerRecord c;
        c.name = QStringLiteral("张三");
        customer = CustomerStore(mine).insertCustomer(c);
        ASSERT_TRUE(home.open(theirs));
    }

    // The other seat's save, left open: it holds the rows (on a file, the file) it wrote.
    void openTheirSave() {
        theirSave.emplace(theirs);
        CustomerRecord row = *CustomerStore(theirs).customer(customer);
        row.tele = QStringLiteral("110");
        ASSERT_TRUE(CustomerStore(theirs).updateCustomer(row));
    }

    // Runs `work` on a thread of its own; false when it had not ended after `limit`, in
    // which case the other seat's save is given up so that it ends.
    template <typename Work> bool endsWithin(std::chrono::milliseconds limit, Work work) {
        std::future<void> done = std::async(std::launch::async, work);
        const bool ended = done.wait_for(limit) == std::future_status::ready;
        theirSave.reset();
        done.get();
        return ended;
    }

    TestDatabase home{GetParam()};
    Database mine;
    Database theirs;
    qint32 customer = -1;
    std::optional<Transaction> theirSave;
};

} // namespace

// The start's upgrade of an up-to-date store reads only the catalogue; a missing index
// waits for the other seat's save at most briefly and is made at a later start.
TEST_P(StoreLocks, TheStartsUpgradeDoesNotWaitForAnotherSeatsOpenSave) {
    openTheirSave();
    std::vector<CustomerListRow> listed;
    EXPECT_TRUE(endsWithin(4s, [&] {
        upgradeCustomerStore(mine);
        listed = CustomerStore(mine).listCustomers(CustomerQuery{});
    }));
    EXPECT_EQ(listed.size(), 1u);

    mine.exec(QStringLiteral("drop index userlist_browse"));
    openTheirSave();
    const auto started = std::chrono::steady_clock::now();
    bool indexed = true;
    EXPECT_TRUE(endsWithin(6s, [&] {
        upgradeCustomerStore(mine);
        indexed = mine.hasIndex(QStringLiteral("userlist_browse"));
    }));
    EXPECT_LT(std::chrono::steady_clock::now() - started, 6s);
    if (GetParam() == Engine::PostgreSQL) {
        EXPECT_FALSE(indexed) << "the index needs a lock the open save holds";
    }
    upgradeCustomerStore(mine);
    EXPECT_TRUE(mine.hasIndex(QStringLiteral("userlist_browse")));
}

// A write that reads first waits for the other seat's save instead of failing at once;
// a save held open longer than the wait fails it as a busy store, named by its place.
TEST_P(StoreLocks, ASecondWriterWaitsForTheFirstThenFailsAsBusy) {
    openTheirSave();
    std::future<void> writing = std::async(std::launch::async, [this] {
        Transaction t(mine);
        CustomerStore store(mine);
        CustomerRecord row = *store.customer(customer);
        row.tele = QStringLiteral("120");
        store.overwriteCustomer(row);
        t.commit();
    });
    EXPECT_EQ(writing.wait_for(400ms), std::future_status::timeout) << "it waits";
    theirSave->commit();
    theirSave.reset();
    EXPECT_NO_THROW(writing.get());
    EXPECT_EQ(CustomerStore(theirs).customer(customer)->tele, QStringLiteral("120"));

    openTheirSave();
    mine.limitLockWait(300);
    try {
        Transaction t(mine);
        CustomerRecord row = *CustomerStore(mine).customer(customer);
        row.tele = QStringLiteral("120");
        (void)CustomerStore(mine).updateCustomer(row);
        t.commit();
        ADD_FAILURE() << "the other seat's save holds the row";
    } catch (const DatabaseError& e) {
        EXPECT_EQ(e.cause(), DatabaseError::Cause::Busy) << e.what();
        const QString text = QString::fromUtf8(e.what());
        EXPECT_TRUE(text.startsWith(QStringLiteral("客户库正被其他程序使用"))) << e.what();
        EXPECT_TRUE(text.contains(mine.place())) << e.what();
    }
    mine.restoreLockWait();
}

INSTANTIATE_TEST_SUITE_P(Engines, StoreLocks, ::testing::Values(Engine::SQLite, Engine::PostgreSQL),
                         engineName);
