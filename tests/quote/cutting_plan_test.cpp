#include "quote/cutting_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

// The fewest bars by dynamic programming over every subset of the runs: for each subset
// the fewest bars and then the smallest fill of the last one.
int fewestBars(const std::vector<int>& runs, int stock, int saw) {
    const int n = int(runs.size());
    const int capacity = stock + saw;
    std::vector<std::pair<int, int>> best(std::size_t(1) << n, {n + 1, 0});
    best[0] = {0, capacity};
    for (unsigned mask = 0; mask < best.size(); ++mask) {
        for (int i = 0; i < n; ++i) {
            if (mask & (1u << i)) {
                continue;
            }
            const int size = runs[std::size_t(i)] + saw;
            auto [bars, fill] = best[mask];
            const std::pair<int, int> next =
                fill + size <= capacity ? std::pair{bars, fill + size} : std::pair{bars + 1, size};
            best[mask | (1u << i)] = std::min(best[mask | (1u << i)], next);
        }
    }
    return best.back().first;
}

// Every run is cut exactly once (a long one from pieces that add up to it), no bar holds
// more than its length with the saw cuts, and the offcuts and waste add up.
void expectSound(const CutPlan& plan, const std::vector<int>& runs) {
    std::vector<long long> cut(runs.size(), 0);
    std::vector<int> pieces(runs.size(), 0);
    long long offcuts = 0;
    for (const CutBar& bar : plan.bars) {
        ASSERT_FALSE(bar.pieces.empty());
        long long used = 0;
        for (const CutPiece& piece : bar.pieces) {
            cut[std::size_t(piece.run)] += piece.lengthMm;
            ++pieces[std::size_t(piece.run)];
            EXPECT_EQ(piece.parts,
                      (runs[std::size_t(piece.run)] + plan.stockMm - 1) / plan.stockMm);
            used += piece.lengthMm;
        }
        const long long cuts = long(bar.pieces.size()) - 1;
        EXPECT_LE(used + cuts * plan.sawMm, plan.stockMm);
        const long long rest = plan.stockMm - used - cuts * plan.sawMm;
        EXPECT_EQ(bar.offcutMm, std::max(0LL, rest - plan.sawMm));
        offcuts += bar.offcutMm;
    }
    for (std::size_t r = 0; r < runs.size(); ++r) {
        EXPECT_EQ(cut[r], runs[r]) << "run " << r;
        EXPECT_EQ(pieces[r], std::max(1, (runs[r] + plan.stockMm - 1) / plan.stockMm));
    }
    const long long total = std::accumulate(runs.begin(), runs.end(), 0LL);
    EXPECT_EQ(plan.runsMm, total);
    EXPECT_EQ(plan.wasteMm(), (long long)plan.bars.size() * plan.stockMm - total);
    EXPECT_LE(offcuts, plan.wasteMm());
    EXPECT_EQ(plan.lowerBound, (total + plan.stockMm - 1) / plan.stockMm);
    EXPECT_GE(int(plan.bars.size()), plan.lowerBound);
}

std::vector<int> randomRuns(std::mt19937& random, int count, int longest) {
    // Few distinct lengths, as rooms give them, so that equal runs are common.
    std::uniform_int_distribution<int> length(50, longest);
    std::vector<int> palette(std::size_t(std::uniform_int_distribution<int>(1, 6)(random)));
    for (int& l : palette) {
        l = length(random) / 10 * 10;
    }
    std::uniform_int_distribution<std::size_t> pick(0, palette.size() - 1);
    std::vector<int> runs;
    for (int i = 0; i < count; ++i) {
        runs.push_back(random() % 3 == 0 ? length(random) : palette[pick(random)]);
    }
    return runs;
}

TEST(CuttingPlan, RandomPlansAreSoundExactIsOptimalAndFirstFitStaysNearIt) {
    std::mt19937 random(20261211);
    int exactBeatFirstFit = 0;
    for (int round = 0; round < 1500; ++round) {
        const int stock = std::uniform_int_distribution<int>(1000, 6000)(random);
        const int saw = std::uniform_int_distribution<int>(0, 3)(random) == 0
                            ? 0
                            : std::uniform_int_distribution<int>(1, 10)(random);
        const int count = std::uniform_int_distribution<int>(1, 9)(random);
        // Every tenth round has runs longer than a bar.
        const int longest = round % 10 == 0 ? 3 * stock : stock;
        const std::vector<int> runs = randomRuns(random, count, longest);
        SCOPED_TRACE(::testing::Message()
                     << "round " << round << " stock " << stock << " saw " << saw);

        const CutPlan exact = planCutting(runs, stock, saw);
        const CutPlan firstFit = planCutting(runs, stock, saw, {0, {}});
        expectSound(exact, runs);
        expectSound(firstFit, runs);
        EXPECT_EQ(exact.method, CutMethod::Exact);
        EXPECT_EQ(firstFit.method, CutMethod::FirstFitDecreasing);

        // Whole bars of the long runs come first in both plans; the rests are packed.
        std::vector<int> rests;
        int wholeBars = 0;
        for (const int run : runs) {
            const int parts = std::max(1, (run + stock - 1) / stock);
            wholeBars += parts - 1;
            rests.push_back(run - (parts - 1) * stock);
        }
        const int optimum = wholeBars + fewestBars(rests, stock, saw);
        EXPECT_EQ(int(exact.bars.size()), optimum);
        EXPECT_LE(9.0 * double(firstFit.bars.size()), 11.0 * optimum + 9.0);
        exactBeatFirstFit += firstFit.bars.size() > exact.bars.size();
    }
    EXPECT_GT(exactBeatFirstFit, 0) << "some instances need more than first-fit decreasing";
}

TEST(CuttingPlan, ManyRunsOrTimeOutFallBackToFirstFitDecreasing) {
    std::mt19937 random(7);
    const std::vector<int> runs = randomRuns(random, 41, 2900);
    EXPECT_EQ(planCutting(runs, 3000, 3).method, CutMethod::FirstFitDecreasing);
    const std::vector<int> forty(runs.begin(), runs.end() - 1);
    const CutPlan noTime = planCutting(forty, 3000, 3, {40, std::chrono::milliseconds(-1)});
    const CutPlan firstFit = planCutting(forty, 3000, 3, {0, {}});
    // A search without time either met the bound at once or gave up for first fit.
    if (noTime.method == CutMethod::FirstFitDecreasing) {
        EXPECT_EQ(noTime.bars.size(), firstFit.bars.size());
    }
    expectSound(noTime, forty);
}

TEST(CuttingPlan, SawCutsAndAnExactFit) {
    // 3 × 1000 with 5 mm cuts fills a bar of 3010: two cuts, the last piece ends at the end.
    const CutPlan fit = planCutting({1000, 1000, 1000}, 3010, 5);
    ASSERT_EQ(fit.bars.size(), 1u);
    EXPECT_EQ(fit.bars[0].offcutMm, 0);
    // One millimetre less and the third run needs a second bar.
    EXPECT_EQ(planCutting({1000, 1000, 1000}, 3009, 5).bars.size(), 2u);
    // A rest no wider than the saw is sawdust, not an offcut.
    EXPECT_EQ(planCutting({2000}, 2004, 5).bars[0].offcutMm, 0);
    EXPECT_EQ(planCutting({2000}, 2010, 5).bars[0].offcutMm, 5);
    const CutPlan joined = planCutting({7000}, 3000, 5);
    ASSERT_EQ(joined.bars.size(), 3u);
    EXPECT_EQ(joined.bars[2].pieces[0].lengthMm, 1000);
    EXPECT_EQ(joined.bars[2].offcutMm, 1995);
    EXPECT_NEAR(joined.wastePercent(), 100.0 * 2000 / 9000, 1e-9);
}

} // namespace
