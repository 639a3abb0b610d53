#include "bill_bench.h"
#include "platform/default_opener.h"
#include "platform/picture.h"
#include "quote/reports.h"

#include <benchmark/benchmark.h>

#include <QImage>

// The pages of the bill bench's 50-room project, printed into the print folder without
// opening a browser: the statistics page (no pictures) and the design drawings page with
// one JPEG at quality 100 per room. The encoding alone of those 50 pictures gives its
// share of the drawings page. The statistics page as an A4 PDF file (goal: under 300 ms), also
// for company 308.

namespace {

struct ReportBench : BillBench {
    ReportBench() : reports({project, bill, library.db, held, setup, prompts, folder.path()}) {
        opener::setHandler([](const QString&) { return true; });
        project.customer.name = QStringLiteral("客户");
    }
    ~ReportBench() { opener::setHandler({}); }

    Reports reports;
};

void BM_StatisticsPage(benchmark::State& state) {
    ReportBench bench;
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench.reports.print(ReportMode::Statistics, nullptr));
    }
}
BENCHMARK(BM_StatisticsPage)->Unit(benchmark::kMillisecond);

void BM_DesignDrawingsPage(benchmark::State& state) {
    ReportBench bench;
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench.reports.print(ReportMode::DesignDrawings, nullptr));
    }
}
BENCHMARK(BM_DesignDrawingsPage)->Unit(benchmark::kMillisecond);

void BM_StatisticsPdf(benchmark::State& state) {
    ReportBench bench;
    const QString file = bench.folder.filePath(QStringLiteral("报价单.pdf"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench.reports.writePdf(ReportMode::Statistics, file));
    }
}
BENCHMARK(BM_StatisticsPdf)->Unit(benchmark::kMillisecond);

// The same for company 308, whose page has its own lines and foot.
void BM_Company308StatisticsPdf(benchmark::State& state) {
    ReportBench bench;
    bench.held.company.compid = SpecialLayoutCompany;
    const QString file = bench.folder.filePath(QStringLiteral("报价单.pdf"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench.reports.writePdf(ReportMode::Statistics, file));
    }
}
BENCHMARK(BM_Company308StatisticsPdf)->Unit(benchmark::kMillisecond);

void BM_DesignDrawingsJpegEncoding(benchmark::State& state) {
    ReportBench bench;
    std::vector<QImage> pictures;
    for (const RoomEntry& entry : bench.project.room_list) {
        pictures.emplace_back();
        entry.room->designPicture(pictures.back());
    }
    for (auto _ : state) {
        for (const QImage& image : pictures) {
            benchmark::DoNotOptimize(picture::encodeJpeg(image, 100));
        }
    }
    state.counters["pictures"] = double(pictures.size());
    state.counters["width"] = pictures.empty() ? 0 : pictures.front().width();
}
BENCHMARK(BM_DesignDrawingsJpegEncoding)->Unit(benchmark::kMillisecond);

} // namespace
