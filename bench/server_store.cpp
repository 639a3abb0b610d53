#include "bench_project.h"
#include "platform/cautious_prompts.h"
#include "platform/database.h"
#include "store/customer_browser.h"
#include "store/store_schema.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <memory>

// The customer store on the PostgreSQL test server that scripts/test.sh starts
// (YZ_TEST_PG_HOST, YZ_TEST_PG_PORT, YZ_TEST_PG_USER): the first screen of the browser's
// list of 100 000 customers with 200 000 rooms and the whole list, and saving a 50-room project
// after one room changed. Without the server the benchmarks say so and measure nothing.

namespace {

constexpr qint32 Company = 7;
constexpr int Customers = 100000;

// A database of its own on the test server, filled once for every benchmark and dropped
// at the end.
class ServerStore {
public:
    ServerStore() {
        ServerSettings server;
        server.host = qEnvironmentVariable("YZ_TEST_PG_HOST");
        server.port = qEnvironmentVariableIntValue("YZ_TEST_PG_PORT");
        server.port = server.port > 0 ? server.port : 5432;
        server.user = qEnvironmentVariable("YZ_TEST_PG_USER");
        server.database = QStringLiteral("postgres");
        if (server.host.isEmpty() || !admin.openServer(server)) {
            return;
        }
        name = QStringLiteral("yz_bench_%1").arg(QCoreApplication::applicationPid());
        admin.exec(QStringLiteral("drop database if exists %1 with (force)").arg(name));
        admin.exec(QStringLiteral("create database ") + name);
        server.database = name;
        if (!db.openServer(server)) {
            return;
        }
        createStoreSchema(db);
        fill();
        addProjectProducts(library);
        held.company.compid = Company;
        held.numbering.prefix = QStringLiteral("HT");
        setup = std::make_unique<SetupFile>(library.folder.filePath(QStringLiteral("setup.ini")));
    }
    ~ServerStore() {
        db.close();
        if (!name.isEmpty()) {
            admin.exec(QStringLiteral("drop database if exists %1 with (force)").arg(name));
        }
    }

    bool ready() const { return db.isOpen(); }

    Database admin;
    QString name;
    Database db;
    BenchLibrary library;
    HeldSettings held;
    std::unique_ptr<SetupFile> setup;
    CautiousPrompts prompts;

private:
    // The customers and their rooms are made by the server itself: a hundred thousand
    // inserts through the client would take minutes.
    void fill() {
        for (int a = 0; a < 30; ++a) {
            db.insert(QStringLiteral("insert into arealist (title) values (?)"),
                      {QStringLiteral("小区%1").arg(a)});
        }
        db.exec(QStringLiteral(
                    "insert into userlist (Compid, name, proid, tele, tele2, addr, AREAID, price, "
                    "designdate, enddate, Prolist) "
                    "select ?, '客户' || c, 'HT' || lpad(c::text, 6, '0'), "
                    "'0571-' || (c::bigint * 7919 % 100000), '139' || (c::bigint * 104729 % "
                    "100000000), "
                    "'幸福路' || c || '号', 1 + c % 30, 1000.5 + c, "
                    "date '2020-01-01' + c % 1500, date '2022-01-01' + c % 2000, "
                    "decode(repeat('ab', 1200), 'hex') from generate_series(1, ?) as c"),
                {Company, Customers});
        db.exec(QStringLiteral("insert into roomlist (UserId, Title, Roomstyle, RoomWall, pic) "
                               "select id, '房间' || r, r % 3, decode(repeat('78', 2000), 'hex'), "
                               "decode(repeat('ff', 20000), 'hex') "
                               "from userlist, generate_series(1, 2) as r"));
        // As the server's autovacuum would: the lists then read the indexes alone.
        db.exec(QStringLiteral("vacuum analyze"));
    }
};

ServerStore& serverStore() {
    static ServerStore store;
    return store;
}

bool serverMissing(benchmark::State& state) {
    if (serverStore().ready()) {
        return false;
    }
    state.SkipWithError("no test server: YZ_TEST_PG_HOST, YZ_TEST_PG_PORT and YZ_TEST_PG_USER "
                        "are set by scripts/test.sh");
    return true;
}

// Lists the company's customers: the first screen, with its summary or the `whole` list.
void listOnTheServer(benchmark::State& state, bool summed, bool whole) {
    if (serverMissing(state)) {
        return;
    }
    CustomerStore store(serverStore().db);
    ProductLibrary library(serverStore().library.db);
    CautiousPrompts prompts;
    CustomerBrowser browser(store, library, prompts, Company);
    for (auto _ : state) {
        browser.showAll();
        if (summed) {
            benchmark::DoNotOptimize(browser.summary());
        }
        if (whole) {
            browser.list().fetchAll();
        }
    }
    const int rows = whole ? Customers : CustomerListModel::PageSize;
    if (browser.summary().customers != Customers || browser.summary().rooms != 2 * Customers ||
        browser.list().rowCount() != rows) {
        state.SkipWithError("wrong list");
    }
}

void BM_ServerFirstScreenOfTheList(benchmark::State& state) {
    listOnTheServer(state, false, false);
}
BENCHMARK(BM_ServerFirstScreenOfTheList)->Unit(benchmark::kMillisecond);

void BM_ServerFirstScreenWithItsSummary(benchmark::State& state) {
    listOnTheServer(state, true, false);
}
BENCHMARK(BM_ServerFirstScreenWithItsSummary)->Unit(benchmark::kMillisecond);

void BM_ServerRebuildTheWholeList(benchmark::State& state) {
    listOnTheServer(state, true, true);
}
BENCHMARK(BM_ServerRebuildTheWholeList)->Unit(benchmark::kMillisecond);

void BM_ServerSaveAfterOneRoomChanged(benchmark::State& state) {
    if (serverMissing(state)) {
        return;
    }
    ServerStore& s = serverStore();
    BenchProject bench(s.db, s.library.db, s.held, *s.setup, s.prompts);
    for (auto _ : state) {
        bench.change(17);
        if (!bench.project.savebtClick()) {
            state.SkipWithError("the save failed");
            break;
        }
    }
}
BENCHMARK(BM_ServerSaveAfterOneRoomChanged)->Unit(benchmark::kMillisecond);

} // namespace
