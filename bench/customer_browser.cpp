#include "store/customer_browser.h"
#include "bench_library.h"
#include "platform/cautious_prompts.h"
#include "platform/database.h"
#include "store/customer_store.h"
#include "store/store_schema.h"
#include "store/stored_lists.h"

#include <benchmark/benchmark.h>

// The customer browser on a store of 10 000 customers of the company (and 1 000 of
// another) with 50 000 rooms: the list's first screen, then with its summary, the whole list,
// a sort by name, a search, and selecting a customer with its summary and rooms.

namespace {

constexpr qint32 Company = 7;

class BrowserStore {
public:
    BrowserStore() {
        for (int c = 2; c <= 8; ++c) {
            library.db.exec(QStringLiteral("insert into cailiao (id, cailiao) values (?, ?)"),
                            {c, QStringLiteral("类别%1").arg(c)});
        }
        QList<Ppdu_id> lines;
        QList<otherrec> items;
        for (int i = 0; i < 40; ++i) {
            lines.append(Ppdu_id{QStringLiteral("产品%1").arg(i), 1000 + i, 1 + i % 8, i % 5,
                                 12.5 + i, 3.25 * i + 1, -1, -1, QStringLiteral("块")});
        }
        for (int i = 0; i < 10; ++i) {
            items.append(otherrec{1000 + i * 3, 1 + i % 8, QStringLiteral("附加%1").arg(i),
                                  QStringLiteral("个"), i - 3, 4, 2.5});
        }
        const QByteArray prolist = stored_lists::encodeBillLines(lines);
        const QByteArray otherlist = stored_lists::encodeOtherItems(items);
        db.create(folder.filePath(QStringLiteral("Userdb.data")));
        createStoreSchema(db);
        for (int a = 0; a < 30; ++a) {
            db.exec(QStringLiteral("insert into arealist (title) values (?)"),
                    {QStringLiteral("小区%1").arg(a)});
        }
        Transaction t(db);
        for (int c = 0; c < 11000; ++c) {
            const qint64 id = db.insert(
                QStringLiteral("insert into userlist (Compid, name, proid, tele, tele2, addr, "
                               "AREAID, price, designdate, enddate, Prolist, otherlist) "
                               "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {c < 10000 ? Company : Company + 1, QStringLiteral("客户%1").arg(c),
                 QStringLiteral("HT%1").arg(c, 5, 10, QLatin1Char('0')),
                 QStringLiteral("0571-%1").arg(c * 7919 % 100000),
                 QStringLiteral("139%1").arg(c * 104729 % 100000000),
                 QStringLiteral("幸福路%1号").arg(c), 1 + c % 30, 1000.5 + c,
                 QDateTime(QDate(2020, 1, 1).addDays(c % 1500), QTime()),
                 QDateTime(QDate(2022, 1, 1).addDays(c % 2000), QTime()), prolist, otherlist});
            if (c < 10000) {
                for (int r = 0; r < 5; ++r) {
                    db.exec(QStringLiteral("insert into roomlist (UserId, Title, Roomstyle, "
                                           "RoomWall, pic) values (?, ?, ?, ?, ?)"),
                            {id, QStringLiteral("房间%1").arg(r), r % 3, QByteArray(2000, 'x'),
                             QByteArray(20000, 'j')});
                }
            }
        }
        t.commit();
    }

    BenchLibrary library;
    QTemporaryDir folder;
    Database db;
};

BrowserStore& browserStore() {
    static BrowserStore store;
    return store;
}

struct Bench {
    Bench() : store(browserStore().db), library(browserStore().library.db) {}
    CustomerStore store;
    ProductLibrary library;
    CautiousPrompts prompts;
    CustomerBrowser browser{store, library, prompts, Company};
};

void BM_FirstScreenOfTheList(benchmark::State& state) {
    Bench bench;
    for (auto _ : state) {
        bench.browser.showAll();
    }
    if (bench.browser.summary().customers != 10000 || bench.browser.summary().rooms != 50000 ||
        bench.browser.list().rowCount() != CustomerListModel::PageSize) {
        state.SkipWithError("wrong list");
    }
}
BENCHMARK(BM_FirstScreenOfTheList)->Unit(benchmark::kMillisecond);

void BM_FirstScreenWithItsSummary(benchmark::State& state) {
    Bench bench;
    for (auto _ : state) {
        bench.browser.showAll();
        benchmark::DoNotOptimize(bench.browser.summary());
    }
}
BENCHMARK(BM_FirstScreenWithItsSummary)->Unit(benchmark::kMillisecond);

void BM_RebuildTheWholeList(benchmark::State& state) {
    Bench bench;
    for (auto _ : state) {
        bench.browser.showAll();
        bench.browser.list().fetchAll();
    }
    if (bench.browser.list().rowCount() != 10000 || bench.browser.summary().rooms != 50000) {
        state.SkipWithError("wrong list");
    }
}
BENCHMARK(BM_RebuildTheWholeList)->Unit(benchmark::kMillisecond);

// A click on the name heading: the whole list in pinyin order.
void BM_SortTheListByName(benchmark::State& state) {
    Bench bench;
    for (auto _ : state) {
        bench.browser.showAll();
        bench.browser.list().sort(CustomerListModel::Name, Qt::AscendingOrder);
    }
    if (bench.browser.list().rowCount() != 10000) {
        state.SkipWithError("wrong list");
    }
}
BENCHMARK(BM_SortTheListByName)->Unit(benchmark::kMillisecond);

void BM_SearchATelephoneNumber(benchmark::State& state) {
    Bench bench;
    for (auto _ : state) {
        bench.browser.search(QStringLiteral("1234"), SearchField::Telephone, QString());
    }
    state.counters["found"] = bench.browser.summary().customers;
}
BENCHMARK(BM_SearchATelephoneNumber)->Unit(benchmark::kMillisecond);

void BM_SearchANameInAnArea(benchmark::State& state) {
    Bench bench;
    for (auto _ : state) {
        bench.browser.search(QStringLiteral("客户12"), SearchField::Name, QStringLiteral("小区5"));
    }
    state.counters["found"] = bench.browser.summary().customers;
}
BENCHMARK(BM_SearchANameInAnArea)->Unit(benchmark::kMillisecond);

void BM_SelectACustomer(benchmark::State& state) {
    Bench bench;
    bench.browser.showAll();
    bench.browser.list().fetchAll();
    const qint32 id = bench.browser.list().idAt(5000);
    for (auto _ : state) {
        bench.browser.select(id);
    }
    if (bench.browser.rooms().size() != 5 || bench.browser.projectSummary().empty()) {
        state.SkipWithError("wrong selection");
    }
}
BENCHMARK(BM_SelectACustomer)->Unit(benchmark::kMillisecond);

} // namespace
