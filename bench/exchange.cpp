#include "platform/cautious_prompts.h"
#include "platform/database.h"
#include "store/customer_exchange.h"
#include "store/customer_store.h"
#include "store/store_schema.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// Export and import of a customer with 50 rooms whose records and pictures have the
// sizes of fully tiled 6 x 5 m rooms with their previews.

namespace {

struct ExchangeBench {
    ExchangeBench() {
        db.create(folder.filePath(QStringLiteral("Userdb.data")));
        createStoreSchema(db);
        CustomerRecord c;
        c.compid = 7;
        c.name = QStringLiteral("张三");
        c.prolist = QByteArray(6000, 'b');
        id = store.insertCustomer(c);
        for (int r = 0; r < 50; ++r) {
            RoomRecord room;
            room.userId = id;
            room.title = QStringLiteral("房间%1").arg(r);
            room.roomWall = QByteArray(300, 'w');
            room.roomKouban = QByteArray(40000, 'k');
            room.roomDianqi = QByteArray(2500, 'd');
            room.pic = QByteArray(60000, 'p');
            store.insertRoom(room);
        }
        path = folder.filePath(QStringLiteral("张三.zpk"));
    }

    QTemporaryDir folder;
    Database db;
    CustomerStore store{db};
    CautiousPrompts prompts;
    qint32 id = -1;
    QString path;
};

void BM_ExportFiftyRooms(benchmark::State& state) {
    ExchangeBench bench;
    for (auto _ : state) {
        customer_exchange::exportCustomer(bench.store, bench.id, bench.path, bench.prompts);
    }
}
BENCHMARK(BM_ExportFiftyRooms)->Unit(benchmark::kMillisecond);

void BM_ImportFiftyRooms(benchmark::State& state) {
    ExchangeBench bench;
    customer_exchange::exportCustomer(bench.store, bench.id, bench.path, bench.prompts);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            customer_exchange::importCustomer(bench.store, 7, bench.path, bench.prompts));
    }
}
BENCHMARK(BM_ImportFiftyRooms)->Unit(benchmark::kMillisecond);

} // namespace
