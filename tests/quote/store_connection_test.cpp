// "测试连接" of the settings tab tells the common causes of a failed login in Chinese and
// keeps the driver's text as detail.

#include "platform/database.h"
#include "platform/database_problem.h"
#include "quote/store_settings.h"
#include "support/silent_server.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>

namespace {

using namespace std::chrono_literals;

ServerSettings seat(const QString& host, int port = 5432) {
    ServerSettings server;
    server.host = host;
    server.port = port;
    server.database = QStringLiteral("dealer");
    server.user = QStringLiteral("seat");
    server.password = QStringLiteral("secret");
    server.connectSeconds = 2;
    return server;
}

} // namespace

TEST(StoreConnection, TheCommonCausesOfAFailedLoginAreToldInChineseWithTheDriversText) {
    SilentServer silent;
    ASSERT_GT(silent.port(), 0);
    const TempFolder nowhere;
    struct Case {
        ServerSettings server;
        const char* cause;
    };
    const Case cases[] = {
        {seat(nowhere.file(QStringLiteral("socket"))), "服务器拒绝连接"},
        {seat(QStringLiteral("127.0.0.1"), 1), "服务器拒绝连接"},
        {seat(QStringLiteral("no-such-host.invalid")), "找不到服务器"},
        {seat(QStringLiteral("127.0.0.1"), silent.port()), "连接超时"},
    };
    for (const Case& c : cases) {
        std::future<QString> tested = std::async(
            std::launch::async, [&c] { return store_settings::testConnection(c.server); });
        ASSERT_EQ(tested.wait_for(8s), std::future_status::ready) << c.cause;
        const QString text = tested.get();
        const QString expected = QStringLiteral("连接失败:") + QString::fromUtf8(c.cause);
        EXPECT_TRUE(text.startsWith(expected)) << text.toStdString();
        // The driver's own text follows in brackets, in Latin letters.
        EXPECT_TRUE(text.contains(QStringLiteral("\n(")) && text.endsWith(u')'))
            << text.toStdString();
    }

    // Texts of the client library that a test server which trusts every local user
    // cannot give.
    const std::pair<const char*, const char*> texts[] = {
        {"connection to server at \"db\" (10.0.0.5), port 5432 failed: FATAL:  password "
         "authentication failed for user \"seat\"",
         "用户名或密码错误"},
        {"connection to server at \"db\" (10.0.0.5), port 5432 failed: fe_sendauth: no password "
         "supplied",
         "用户名或密码错误"},
        {"connection to server at \"db\" (10.0.0.5), port 5432 failed: FATAL:  database "
         "\"dealer\" does not exist",
         "服务器上没有这个数据库"},
        {"connection to server at \"db\" (10.0.0.5), port 5432 failed: FATAL:  role \"seat\" "
         "does not exist",
         "服务器上没有这个用户"},
        {"connection to server at \"db\" (10.0.0.5), port 5432 failed: No route to host",
         "网络不通"},
        {"something new", "连接失败"},
    };
    for (const auto& [driver, cause] : texts) {
        const QString text = database_problem::connection(QString::fromUtf8(driver));
        EXPECT_TRUE(text.startsWith(QString::fromUtf8(cause))) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8(driver).simplified())) << text.toStdString();
    }
}
