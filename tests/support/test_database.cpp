#include "support/test_database.h"

#include <QCoreApplication>

#include <atomic>

std::string engineName(const ::testing::TestParamInfo<Engine>& info) {
    return info.param == Engine::SQLite ? "SQLite" : "PostgreSQL";
}

void PrintTo(Engine engine, std::ostream* out) {
    *out << engineName({engine, 0});
}

std::optional<ServerSettings> testServer() {
    const QString host = qEnvironmentVariable("YZ_TEST_PG_HOST");
    const QString user = qEnvironmentVariable("YZ_TEST_PG_USER");
    if (host.isEmpty() || user.isEmpty()) {
        return std::nullopt;
    }
    ServerSettings server;
    server.host = host;
    server.port = qEnvironmentVariableIntValue("YZ_TEST_PG_PORT");
    server.port = server.port > 0 ? server.port : 5432;
    server.user = user;
    server.database = QStringLiteral("postgres");
    return server;
}

TestDatabase::TestDatabase(Engine engine) {
    if (engine == Engine::SQLite) {
        file_ = folder_.file(QStringLiteral("Userdb.data"));
        return;
    }
    std::optional<ServerSettings> server = testServer();
    if (!server) {
        missing_ = QStringLiteral("no test server: YZ_TEST_PG_HOST, YZ_TEST_PG_PORT and "
                                  "YZ_TEST_PG_USER are set by scripts/test.sh");
        return;
    }
    QString error;
    if (!admin_.openServer(*server, &error)) {
        missing_ = QStringLiteral("test server not reached: ") + error;
        return;
    }
    // Tests run in parallel processes: the process id and a counter make the name unique.
    static std::atomic<int> counter{0};
    server->database =
        QStringLiteral("yz_test_%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    admin_.exec(QStringLiteral("create database ") + server->database);
    server_ = server;
}

TestDatabase::~TestDatabase() {
    if (server_) {
        admin_.exec(
            QStringLiteral("drop database if exists %1 with (force)").arg(server_->database));
    }
}

bool TestDatabase::open(Database& db) const {
    QString error;
    const bool opened = server_ ? db.openServer(*server_, &error) : db.create(file_, &error);
    EXPECT_TRUE(opened) << error.toStdString();
    return opened;
}
