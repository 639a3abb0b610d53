#include "bench_project.h"
#include "platform/cautious_prompts.h"
#include "platform/database.h"
#include "quote/autosaver.h"
#include "store/store_schema.h"

#include <benchmark/benchmark.h>

#include <memory>

// The automatic copy of a project of 50 rooms, each a fully tiled 6 x 5 m room with 20
// appliances, after one room changed: the snapshot the user-interface thread takes, and
// the whole copy with the write of the recovery file.

namespace {

class BenchFolder {
public:
    BenchFolder() {
        addProjectProducts(library);
        db.create(folder.filePath(QStringLiteral("Userdb.data")));
        createStoreSchema(db);
        held.company.compid = 7;
        setup = std::make_unique<SetupFile>(folder.filePath(QStringLiteral("setup.ini")));
    }

    QString recovery() const { return folder.filePath(QStringLiteral("恢复")); }

    BenchLibrary library;
    QTemporaryDir folder;
    Database db;
    HeldSettings held;
    std::unique_ptr<SetupFile> setup;
    CautiousPrompts prompts;
};

constexpr int Changed = 17;

void BM_AutosaveSnapshotAfterOneRoomChanged(benchmark::State& state) {
    BenchFolder folder;
    BenchProject bench(folder.db, folder.library.db, folder.held, *folder.setup, folder.prompts);
    AutosaveSnapshotter snapshotter;
    snapshotter.take(bench.project, nullptr);
    const TRoom_OBJ* room = bench.project.room_list[Changed].room.get();
    for (auto _ : state) {
        state.PauseTiming();
        bench.change(Changed);
        snapshotter.touch(room);
        state.ResumeTiming();
        benchmark::DoNotOptimize(snapshotter.take(bench.project, nullptr));
    }
}
BENCHMARK(BM_AutosaveSnapshotAfterOneRoomChanged)->Unit(benchmark::kMillisecond);

// The first copy, or the one after a failed write: every room is encoded.
void BM_AutosaveSnapshotOfEveryRoom(benchmark::State& state) {
    BenchFolder folder;
    BenchProject bench(folder.db, folder.library.db, folder.held, *folder.setup, folder.prompts);
    AutosaveSnapshotter snapshotter;
    for (auto _ : state) {
        snapshotter.forget();
        benchmark::DoNotOptimize(snapshotter.take(bench.project, nullptr));
    }
}
BENCHMARK(BM_AutosaveSnapshotOfEveryRoom)->Unit(benchmark::kMillisecond);

// Snapshot, hand-over to the writer's thread, the transaction and the report back.
void BM_AutosaveCopyAfterOneRoomChanged(benchmark::State& state) {
    BenchFolder folder;
    BenchProject bench(folder.db, folder.library.db, folder.held, *folder.setup, folder.prompts);
    Autosaver autosaver(bench.project, folder.held, folder.recovery());
    const TRoom_OBJ* room = bench.project.room_list[Changed].room.get();
    bool failed = false;
    autosaver.onFailed = [&failed](const QString&) { failed = true; };
    bench.project.fieldChanged();
    qint64 now = 0;
    auto copy = [&] {
        autosaver.userInputAt(now, room);
        now += AutosaveScheduler::QuietMs;
        autosaver.tickAt(now);
        autosaver.finishWrite();
    };
    copy();
    for (auto _ : state) {
        state.PauseTiming();
        bench.change(Changed);
        state.ResumeTiming();
        copy();
    }
    if (failed || !autosaver.hasCopy()) {
        state.SkipWithError("the copy was not written");
    }
}
BENCHMARK(BM_AutosaveCopyAfterOneRoomChanged)->Unit(benchmark::kMillisecond);

} // namespace
