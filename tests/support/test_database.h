#pragma once

#include "platform/database.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

// The engines a store test runs on.
enum class Engine { SQLite, PostgreSQL };

// The parameter's name in the names of parameterised tests.
std::string engineName(const ::testing::TestParamInfo<Engine>& info);
void PrintTo(Engine engine, std::ostream* out);

// The test server that scripts/test.sh starts, from YZ_TEST_PG_HOST, YZ_TEST_PG_PORT and
// YZ_TEST_PG_USER (database "postgres"); none when they are not set.
std::optional<ServerSettings> testServer();

// An empty database of one test's own: a file in a temporary folder, or a database made
// on the test server for the test and dropped afterwards with every connection to it.
class TestDatabase {
public:
    explicit TestDatabase(Engine engine);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // Why there is no database (the test should skip); empty when there is one.
    const QString& missing() const { return missing_; }
    // Opens one more connection to it.
    bool open(Database& db) const;
    // Where it lives on the test server; none for a file.
    const std::optional<ServerSettings>& server() const { return server_; }

private:
    TempFolder folder_;
    QString file_;
    std::optional<ServerSettings> server_;
    Database admin_;
    QString missing_;
};

// Opens `db` on `home` and skips the current test when its engine is not at hand.
#define OPEN_TEST_DATABASE_OR_SKIP(home, db)                                                       \
    do {                                                                                           \
        if (!(home).missing().isEmpty()) {                                                         \
            GTEST_SKIP() << (home).missing().toStdString();                                        \
        }                                                                                          \
        ASSERT_TRUE((home).open(db));                                                              \
    } while (false)
