// A store that fails for a reason the user can act on says so, naming the file or the
// server: held by another program, read-only, or a server out of reach or gone.

#include "platform/database.h"
#include "store/customer_exchange.h"
#include "store/customer_store.h"
#include "store/store_schema.h"
#include "support/scripted_prompts.h"
#include "support/silent_server.h"
#include "support/temp_folder.h"
#include "support/test_database.h"

#include <gtest/gtest.h>

#include <QDir>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <future>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

QString messageOf(const DatabaseError& e) {
    return QString::fromUtf8(e.what());
}

// A store file with one customer and one room, and that customer as an exchange file.
class StoreFile : public ::testing::Test {
protected:
    StoreFile() {
        Database db;
        EXPECT_TRUE(db.create(path));
        createStoreSchema(db);
        CustomerStore store(db);
        CustomerRecord c;
        c.name = QStringLiteral("张三");
        RoomRecord room;
        room.title = QStringLiteral("客厅");
        room.userId = store.insertCustomer(c);
        store.insertRoom(room);
        ScriptedPrompts quiet;
        EXPECT_TRUE(customer_exchange::exportCustomer(store, room.userId, exchange, quiet));
    }

    // What importing the exchange file through `db` told the user.
    QStringList importInto(Database& db) {
        ScriptedPrompts prompts;
        CustomerStore store(db);
        EXPECT_FALSE(customer_exchange::importCustomer(store, 0, exchange, prompts));
        return prompts.messages();
    }

    TempFolder folder;
    QString path = folder.file(QStringLiteral("Userdb.data"));
    QString exchange = folder.file(QStringLiteral("张三.zpk"));
};

} // namespace

TEST_F(StoreFile, ImportingIntoAReadOnlyOrBusyStoreSaysSoInsteadOfBlamingTheRoom) {
    Database readOnly;
    readOnly.setSubject(QStringLiteral("客户库"));
    ASSERT_TRUE(readOnly.openReadOnly(path));
    const QStringList refused = importInto(readOnly);
    ASSERT_EQ(refused.size(), 1);
    EXPECT_TRUE(refused[0].startsWith(QStringLiteral("导入数据库失败!\n客户库只读")))
        << refused[0].toStdString();
    EXPECT_TRUE(refused[0].contains(QDir::toNativeSeparators(path))) << refused[0].toStdString();

    Database other;
    ASSERT_TRUE(other.open(path));
    Transaction held(other);
    other.exec(QStringLiteral("insert into arealist (title) values ('别人的')"));
    Database mine;
    mine.setSubject(QStringLiteral("客户库"));
    ASSERT_TRUE(mine.open(path));
    mine.limitLockWait(200);
    const QStringList busy = importInto(mine);
    ASSERT_EQ(busy.size(), 1);
    EXPECT_TRUE(busy[0].startsWith(QStringLiteral("导入数据库失败!\n客户库正被其他程序使用")))
        << busy[0].toStdString();
    EXPECT_TRUE(busy[0].contains(QDir::toNativeSeparators(path))) << busy[0].toStdString();
}

// A server that is not there, one that takes the connection but never answers (given up
// after the connect timeout), and a connection the server ended.
TEST(ServerProblems, AServerOutOfReachOrGoneIsNamedWithItsCause) {
    Database db;
    db.setSubject(QStringLiteral("客户库"));
    ServerSettings absent;
    absent.host = TempFolder().file(QStringLiteral("no-server"));
    absent.database = QStringLiteral("dealer");
    absent.user = QStringLiteral("seat");
    ASSERT_FALSE(db.openServer(absent));
    const QString refused = messageOf(db.openFailure());
    EXPECT_EQ(db.openFailure().cause(), DatabaseError::Cause::Unreachable);
    EXPECT_TRUE(refused.startsWith(QStringLiteral("无法连接客户库服务器 ") + absent.host +
                                   QStringLiteral(":5432: 服务器拒绝连接")))
        << refused.toStdString();
    EXPECT_TRUE(refused.contains(QStringLiteral("No such file or directory")))
        << "the driver's text is kept: " << refused.toStdString();

    SilentServer silent;
    ASSERT_GT(silent.port(), 0);
    ServerSettings hanging = absent;
    hanging.host = QStringLiteral("127.0.0.1");
    hanging.port = silent.port();
    hanging.connectSeconds = 2;
    std::future<QString> login = std::async(std::launch::async, [&] {
        Database waiting;
        waiting.setSubject(QStringLiteral("客户库"));
        return waiting.openServer(hanging) ? QString() : messageOf(waiting.openFailure());
    });
    const bool gaveUp = login.wait_for(8s) == std::future_status::ready;
    silent.close();
    EXPECT_TRUE(gaveUp) << "the login waited past its timeout";
    const QString timedOut = login.get();
    EXPECT_TRUE(timedOut.startsWith(
        QStringLiteral("无法连接客户库服务器 127.0.0.1:%1: 连接超时").arg(silent.port())))
        << timedOut.toStdString();

    const std::optional<ServerSettings> server = testServer();
    if (!server) {
        GTEST_SKIP() << "no test server for the lost connection";
    }
    Database admin;
    ASSERT_TRUE(admin.openServer(*server));
    ASSERT_TRUE(db.openServer(*server));
    const QVariant pid = db.scalar(QStringLiteral("select pg_backend_pid()"));
    admin.exec(QStringLiteral("select pg_terminate_backend(?)"), {pid});
    while (admin.scalar(QStringLiteral("select 1 from pg_stat_activity where pid = ?"), {pid})
               .isValid()) {
        std::this_thread::sleep_for(10ms);
    }
    // Standard error, into a file while the next statement finds the connection gone.
    const TempFolder errors;
    const QString printed = errors.file(QStringLiteral("stderr"));
    std::fflush(stderr);
    const int kept = ::dup(STDERR_FILENO);
    const int file = ::open(printed.toLocal8Bit().constData(), O_WRONLY | O_CREAT, 0600);
    ::dup2(file, STDERR_FILENO);
    ::close(file);
    std::optional<DatabaseError> lost;
    try {
        db.exec(QStringLiteral("select 1"));
    } catch (const DatabaseError& e) {
        lost = e;
    }
    std::fflush(stderr);
    ::dup2(kept, STDERR_FILENO);
    ::close(kept);
    EXPECT_EQ(fileBytes(printed), QByteArray()) << "the driver prints nothing itself";
    ASSERT_TRUE(lost) << "the connection was ended";
    {
        const DatabaseError& e = *lost;
        EXPECT_EQ(e.cause(), DatabaseError::Cause::Unreachable) << e.what();
        EXPECT_TRUE(messageOf(e).startsWith(QStringLiteral("无法连接客户库服务器 ") + server->host +
                                            u':' + QString::number(server->port)))
            << e.what();
    }
}
