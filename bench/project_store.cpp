#include "bench_project.h"
#include "platform/cautious_prompts.h"
#include "platform/database.h"
#include "store/store_schema.h"

#include <benchmark/benchmark.h>

#include <memory>

// A project of 50 rooms, each a fully tiled 6 x 5 m room with 20 appliances, in a store
// that also holds 10 000 other customers with 50 000 rooms: saving it after one room
// changed, after every room changed, and opening it.

namespace {

// The store with the crowd of other customers, made once for every benchmark.
class BenchStore {
public:
    BenchStore() {
        addProjectProducts(library);
        db.create(folder.filePath(QStringLiteral("Userdb.data")));
        createStoreSchema(db);
        Transaction t(db);
        for (int c = 0; c < 10000; ++c) {
            const qint64 id = db.insert(
                QStringLiteral("insert into userlist (Compid, name, proid) values (?, ?, ?)"),
                {7, QStringLiteral("客户%1").arg(c), QStringLiteral("HT%1").arg(c)});
            for (int r = 0; r < 5; ++r) {
                db.exec(QStringLiteral("insert into roomlist (UserId, Title, RoomWall) "
                                       "values (?, ?, ?)"),
                        {id, QStringLiteral("房间%1").arg(r), QByteArray(2000, 'x')});
            }
        }
        t.commit();
        held.company.compid = 7;
        held.numbering.prefix = QStringLiteral("HT");
        setup = std::make_unique<SetupFile>(folder.filePath(QStringLiteral("setup.ini")));
    }

    BenchLibrary library;
    QTemporaryDir folder;
    Database db;
    HeldSettings held;
    std::unique_ptr<SetupFile> setup;
    CautiousPrompts prompts;
};

BenchStore& benchStore() {
    static BenchStore store;
    return store;
}

BenchProject makeProject() {
    BenchStore& s = benchStore();
    return BenchProject(s.db, s.library.db, s.held, *s.setup, s.prompts);
}

void BM_SaveAfterOneRoomChanged(benchmark::State& state) {
    BenchProject bench = makeProject();
    for (auto _ : state) {
        bench.change(17);
        bench.project.savebtClick();
    }
}
BENCHMARK(BM_SaveAfterOneRoomChanged)->Unit(benchmark::kMillisecond);

void BM_SaveAfterEveryRoomChanged(benchmark::State& state) {
    BenchProject bench = makeProject();
    for (auto _ : state) {
        for (int i = 0; i < Rooms; ++i) {
            bench.change(i);
        }
        bench.project.savebtClick();
    }
}
BENCHMARK(BM_SaveAfterEveryRoomChanged)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// The JPEG previews alone, for their share of the save above.
void BM_PreviewPicturesOfEveryRoom(benchmark::State& state) {
    BenchProject bench = makeProject();
    for (auto _ : state) {
        for (RoomEntry& entry : bench.project.room_list) {
            QImage preview;
            entry.room->designPicture(preview);
            benchmark::DoNotOptimize(picture::encodeJpeg(preview));
        }
    }
}
BENCHMARK(BM_PreviewPicturesOfEveryRoom)->Unit(benchmark::kMillisecond);

void BM_OpenProject(benchmark::State& state) {
    BenchProject bench = makeProject();
    const qint32 id = bench.project.customer.id;
    NoWindow window(benchStore().library.db);
    OpenProject opened(bench.store, benchStore().held, *benchStore().setup, benchStore().prompts,
                       window);
    for (auto _ : state) {
        opened.openproject(id);
    }
}
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMillisecond);

} // namespace
