#pragma once

#include <chrono>
#include <vector>

// One piece cut from a bar: a whole run, or one part of a run longer than a bar, which
// is then joined from `parts` pieces.
struct CutPiece {
    int run = 0; // index of the run in the plan's input
    int lengthMm = 0;
    int part = 0;
    int parts = 1;
};

struct CutBar {
    std::vector<CutPiece> pieces;
    // What is left of the bar after its pieces and their saw cuts.
    int offcutMm = 0;
};

// Which search made the plan: the exact one (the fewest bars possible) or first-fit
// decreasing, which cuts each piece from the first bar whose offcut still holds it.
enum class CutMethod { Exact, FirstFitDecreasing };

struct CutPlan {
    int stockMm = 0;
    int sawMm = 0;
    std::vector<CutBar> bars;
    // ⌈total run length ÷ stock length⌉: no plan needs fewer bars.
    int lowerBound = 0;
    CutMethod method = CutMethod::Exact;
    long long runsMm = 0;

    long long wasteMm() const { return (long long)bars.size() * stockMm - runsMm; }
    // The waste as a share of the bought length, in per cent.
    double wastePercent() const;
};

struct CutLimits {
    // Products with more runs are planned by first-fit decreasing at once.
    int exactRuns = 40;
    // The exact search gives up after this long and the plan is first-fit decreasing.
    std::chrono::milliseconds exactTime{150};
};

// The bars of `stockMm` (> 0) from which the runs are cut, every saw cut taking `sawMm`;
// a piece that ends at the end of its bar needs no cut.
CutPlan planCutting(const std::vector<int>& runsMm, int stockMm, int sawMm,
                    const CutLimits& limits = {});
