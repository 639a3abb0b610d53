#include "bill_bench.h"

#include <benchmark/benchmark.h>

// A statistics pass over the bill bench's project, the table rebuilt each time.

namespace {

void BM_StatisticsPass(benchmark::State& state) {
    BillBench bench;
    for (auto _ : state) {
        bench.bill.total();
    }
    state.counters["rows"] = double(bench.bill.table().rows().size());
}
BENCHMARK(BM_StatisticsPass)->Unit(benchmark::kMillisecond);

} // namespace
