#include "platform/database.h"
#include "store/customer_store.h"
#include "store/store_schema.h"
#include "support/test_database.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>

namespace {

// Two seats on one store, each with a connection of its own.
class SharedStore : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        OPEN_TEST_DATABASE_OR_SKIP(home, first);
        createStoreSchema(first);
        ASSERT_TRUE(home.open(second));
    }

    TestDatabase home{GetParam()};
    Database first;
    Database second;
    CustomerStore firstSeat{first};
    CustomerStore secondSeat{second};
};

// Draws `count` project numbers, each in a transaction of its own, on a connection of
// its own.
std::vector<int> drawNumbers(const TestDatabase& home, int count) {
    Database db;
    std::vector<int> numbers;
    if (!home.open(db)) {
        return numbers;
    }
    CustomerStore store(db);
    for (int i = 0; i < count; ++i) {
        Transaction t(db);
        numbers.push_back(store.drawProjectNumber(12));
        t.commit();
    }
    return numbers;
}

} // namespace

TEST_P(SharedStore, ASaveOfARevisionAnotherSaveReplacedWritesNothingUnlessItOverwrites) {
    CustomerRecord c;
    c.name = QStringLiteral("张三");
    c.id = firstSeat.insertCustomer(c);
    CustomerRecord mine = *firstSeat.customer(c.id);
    CustomerRecord theirs = *secondSeat.customer(c.id);
    EXPECT_EQ(mine.revision, 0);

    theirs.name = QStringLiteral("李四");
    ASSERT_TRUE(secondSeat.updateCustomer(theirs));
    mine.name = QStringLiteral("王五");
    mine.tele = QStringLiteral("123");
    EXPECT_FALSE(firstSeat.updateCustomer(mine));
    const CustomerRecord stored = *firstSeat.customer(c.id);
    EXPECT_EQ(std::tuple(stored.name, stored.tele, stored.revision),
              std::tuple(theirs.name, c.tele, theirs.revision + 1));

    // The revision read afresh is current again; an overwrite ignores it.
    mine.revision = stored.revision;
    ASSERT_TRUE(firstSeat.updateCustomer(mine));
    EXPECT_FALSE(secondSeat.updateCustomer(theirs));
    secondSeat.overwriteCustomer(theirs);
    EXPECT_EQ(secondSeat.customer(c.id)->name, theirs.name);
    EXPECT_EQ(firstSeat.revisionOf(c.id), 3);
    EXPECT_EQ(firstSeat.revisionOf(c.id + 1), std::nullopt);
    EXPECT_FALSE(firstSeat.updateCustomer(CustomerRecord{})) << "no row with id -1";
}

TEST_P(SharedStore, ANumberGivenBackByARollbackIsDrawnAgain) {
    {
        Transaction t(first);
        EXPECT_EQ(firstSeat.drawProjectNumber(12), 12) << "the first draw starts the counter";
        t.commit();
    }
    {
        Transaction t(first);
        EXPECT_EQ(firstSeat.drawProjectNumber(12), 13);
    }
    Transaction t(second);
    EXPECT_EQ(secondSeat.drawProjectNumber(40), 13) << "the counter starts once";
    EXPECT_EQ(secondSeat.drawProjectNumber(40), 14);
}

INSTANTIATE_TEST_SUITE_P(Engines, SharedStore,
                         ::testing::Values(Engine::SQLite, Engine::PostgreSQL), engineName);

using SharedServer = SharedStore;

TEST_P(SharedServer, TwoSeatsDrawingNumbersAtOnceNeverGetTheSameOne) {
    std::vector<int> a;
    std::vector<int> b;
    std::thread one([&] { a = drawNumbers(home, 100); });
    std::thread two([&] { b = drawNumbers(home, 100); });
    one.join();
    two.join();
    std::set<int> all(a.begin(), a.end());
    all.insert(b.begin(), b.end());
    ASSERT_EQ(a.size() + b.size(), 200u);
    EXPECT_EQ(all.size(), 200u);
    EXPECT_EQ(*all.begin(), 12);
    EXPECT_EQ(*all.rbegin(), 211) << "no number skipped";
}

INSTANTIATE_TEST_SUITE_P(Server, SharedServer, ::testing::Values(Engine::PostgreSQL), engineName);
