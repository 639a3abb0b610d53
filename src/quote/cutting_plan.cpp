#include "quote/cutting_plan.h"

#include "quote/cutting_search.h"

#include <algorithm>
#include <numeric>

double CutPlan::wastePercent() const {
    const long long bought = (long long)bars.size() * stockMm;
    return bought > 0 ? 100.0 * double(wasteMm()) / double(bought) : 0.0;
}

namespace {

// A piece with its saw cut: packing sizes of `length + saw` into bars of `stock + saw`
// lets the last piece of a bar end at the bar's end without a cut.
int packedSize(const CutPiece& piece, int sawMm) {
    return piece.lengthMm + sawMm;
}

CutBar barOf(std::vector<CutPiece> pieces, int stockMm, int sawMm) {
    CutBar bar;
    int used = 0;
    for (const CutPiece& piece : pieces) {
        used += packedSize(piece, sawMm);
    }
    // What the packing leaves beyond the last piece; the cut that parts it off takes its
    // allowance, so a rest no wider than the saw is sawdust.
    const int rest = stockMm + sawMm - used;
    bar.offcutMm = std::max(rest - sawMm, 0);
    bar.pieces = std::move(pieces);
    return bar;
}

} // namespace

CutPlan planCutting(const std::vector<int>& runsMm, int stockMm, int sawMm,
                    const CutLimits& limits) {
    CutPlan plan;
    plan.stockMm = stockMm;
    plan.sawMm = sawMm;
    plan.runsMm = std::accumulate(runsMm.begin(), runsMm.end(), 0LL);
    plan.lowerBound = int((plan.runsMm + stockMm - 1) / stockMm);

    // A run longer than a bar takes whole bars and its rest is packed with the others.
    std::vector<CutPiece> packed;
    for (int run = 0; run < int(runsMm.size()); ++run) {
        const int length = runsMm[std::size_t(run)];
        const int parts = std::max(1, (length + stockMm - 1) / stockMm);
        for (int part = 0; part + 1 < parts; ++part) {
            plan.bars.push_back(barOf({{run, stockMm, part, parts}}, stockMm, sawMm));
        }
        packed.push_back({run, length - (parts - 1) * stockMm, parts - 1, parts});
    }
    std::stable_sort(packed.begin(), packed.end(),
                     [](const CutPiece& a, const CutPiece& b) { return a.lengthMm > b.lengthMm; });
    std::vector<int> sizes;
    for (const CutPiece& piece : packed) {
        sizes.push_back(packedSize(piece, sawMm));
    }
    const int capacity = stockMm + sawMm;

    std::vector<int> binOf = firstFitDecreasing(sizes, capacity);
    plan.method = CutMethod::FirstFitDecreasing;
    if (int(runsMm.size()) <= limits.exactRuns) {
        if (std::optional<std::vector<int>> exact =
                exactPacking(sizes, capacity, limits.exactTime)) {
            binOf = std::move(*exact);
            plan.method = CutMethod::Exact;
        }
    }
    const int binCount = binOf.empty() ? 0 : *std::max_element(binOf.begin(), binOf.end()) + 1;
    std::vector<std::vector<CutPiece>> bins{std::size_t(binCount)};
    for (std::size_t i = 0; i < packed.size(); ++i) {
        bins[std::size_t(binOf[i])].push_back(packed[i]);
    }
    for (std::vector<CutPiece>& pieces : bins) {
        plan.bars.push_back(barOf(std::move(pieces), stockMm, sawMm));
    }
    return plan;
}
