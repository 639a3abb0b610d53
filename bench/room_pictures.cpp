#include "bench_project.h"
#include "platform/cautious_prompts.h"
#include "platform/default_opener.h"
#include "quote/bill_of_materials.h"
#include "quote/reports.h"
#include "store/store_schema.h"

#include <benchmark/benchmark.h>

#include <QThread>

// The room pictures of a project of 50 fully tiled rooms with 20 appliances each, saved
// once: the design drawings page and the PDF design scheme with every room as stored
// (their stored previews serve) and with every room changed before each run (every
// picture drawn and encoded on all cores). Goals: the page under 300 ms unchanged and
// under 800 ms changed, the PDF under 500 ms.

namespace {

struct PicturesBench {
    PicturesBench() {
        addProjectProducts(library);
        storeDb.create(folder.filePath(QStringLiteral("Userdb.data")));
        createStoreSchema(storeDb);
        project = std::make_unique<BenchProject>(storeDb, library.db, held, setup, prompts);
        bill = std::make_unique<BillOfMaterials>(project->project, library.db, prompts,
                                                 project->window);
        reports = std::make_unique<Reports>(ReportSources{project->project, *bill, library.db, held,
                                                          setup, prompts, folder.path()});
        opener::setHandler([](const QString&) { return true; });
    }
    ~PicturesBench() { opener::setHandler({}); }

    // A panel of every room taken out or put back, and a title no run has seen, so that
    // no room is in a state drawn before.
    void changeEveryRoom() {
        ++runs;
        for (int i = 0; i < Rooms; ++i) {
            project->change(i);
            TRoom_OBJ& room = *project->project.room_list[std::size_t(i)].room;
            room.setName(QStringLiteral("房间%1-%2").arg(i).arg(runs));
        }
    }

    BenchLibrary library;
    QTemporaryDir folder;
    Database storeDb;
    HeldSettings held;
    SetupFile setup{folder.filePath(QStringLiteral("setup.ini"))};
    CautiousPrompts prompts;
    std::unique_ptr<BenchProject> project;
    std::unique_ptr<BillOfMaterials> bill;
    std::unique_ptr<Reports> reports;
    int runs = 0;
};

void cores(benchmark::State& state) {
    state.counters["cores"] = QThread::idealThreadCount();
}

void BM_DrawingsPageUnchanged(benchmark::State& state) {
    PicturesBench bench;
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench.reports->print(ReportMode::DesignDrawings, nullptr));
    }
    cores(state);
}
BENCHMARK(BM_DrawingsPageUnchanged)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void BM_DrawingsPageChanged(benchmark::State& state) {
    PicturesBench bench;
    for (auto _ : state) {
        state.PauseTiming();
        bench.changeEveryRoom();
        state.ResumeTiming();
        benchmark::DoNotOptimize(bench.reports->print(ReportMode::DesignDrawings, nullptr));
    }
    cores(state);
}
BENCHMARK(BM_DrawingsPageChanged)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void BM_DesignSchemePdfUnchanged(benchmark::State& state) {
    PicturesBench bench;
    const QString file = bench.folder.filePath(QStringLiteral("设计方案.pdf"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench.reports->writePdf(ReportMode::DesignDrawings, file));
    }
    cores(state);
}
BENCHMARK(BM_DesignSchemePdfUnchanged)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void BM_DesignSchemePdfChanged(benchmark::State& state) {
    PicturesBench bench;
    const QString file = bench.folder.filePath(QStringLiteral("设计方案.pdf"));
    for (auto _ : state) {
        state.PauseTiming();
        bench.changeEveryRoom();
        state.ResumeTiming();
        benchmark::DoNotOptimize(bench.reports->writePdf(ReportMode::DesignDrawings, file));
    }
    cores(state);
}
BENCHMARK(BM_DesignSchemePdfChanged)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace
