#include "quote/cutting_plan.h"

#include <benchmark/benchmark.h>

#include <random>

// Cutting plans: a large project's strip runs over many products, and one product with as
// many runs as the exact search takes.

namespace {

// Runs as rooms give them: a few room depths and the odd short run beside a wall corner.
std::vector<int> roomRuns(std::mt19937& random, int count) {
    std::uniform_int_distribution<int> depth(120, 480);
    const int depths[] = {depth(random) * 10, depth(random) * 10, depth(random) * 10};
    std::vector<int> runs;
    for (int i = 0; i < count; ++i) {
        runs.push_back(random() % 4 == 0 ? std::uniform_int_distribution<int>(30, 480)(random) * 10
                                         : depths[random() % 3]);
    }
    return runs;
}

void BM_CuttingTwentyProducts(benchmark::State& state) {
    std::mt19937 random(2000);
    std::vector<std::vector<int>> products;
    for (int p = 0; p < 20; ++p) {
        products.push_back(roomRuns(random, 100));
    }
    std::size_t bars = 0;
    for (auto _ : state) {
        bars = 0;
        for (const std::vector<int>& runs : products) {
            bars += planCutting(runs, 3000 + 500 * int(bars % 7), 3).bars.size();
        }
        benchmark::DoNotOptimize(bars);
    }
    state.counters["bars"] = double(bars);
}
BENCHMARK(BM_CuttingTwentyProducts)->Unit(benchmark::kMillisecond);

// Forty runs for which first-fit decreasing needs a bar more than the fewest possible, so
// that the search has to find the better plan and prove it.
void BM_CuttingFortyRunsExactly(benchmark::State& state) {
    const std::vector<int> runs = {2400, 3200, 2800, 1100, 2100, 2800, 3700, 3800, 2200, 3800,
                                   600,  2100, 3800, 1600, 3000, 3700, 3600, 1500, 4100, 900,
                                   700,  2200, 1400, 2500, 800,  800,  2100, 2200, 3700, 1600,
                                   900,  2400, 2300, 2100, 1000, 4100, 3400, 2500, 3700, 1200};
    const CutLimits limits{40, std::chrono::milliseconds(10000)};
    CutPlan plan;
    for (auto _ : state) {
        plan = planCutting(runs, 6000, 3, limits);
        benchmark::DoNotOptimize(plan.bars.data());
    }
    const CutPlan firstFit = planCutting(runs, 6000, 3, {0, {}});
    if (plan.method != CutMethod::Exact) {
        state.SkipWithError("the search ran out of time");
    }
    state.counters["bars"] = double(plan.bars.size());
    state.counters["firstFitBars"] = double(firstFit.bars.size());
    state.counters["lowerBound"] = double(plan.lowerBound);
}
BENCHMARK(BM_CuttingFortyRunsExactly)->Unit(benchmark::kMillisecond);

} // namespace
