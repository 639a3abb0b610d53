#pragma once

#include <chrono>
#include <optional>
#include <vector>

// Bin packing of item sizes, sorted from the largest down, into bins of `capacity`; each
// answer gives the bin of every item, bins numbered from 0 in the order they open.

// Every item goes into the first bin that still holds it.
std::vector<int> firstFitDecreasing(const std::vector<int>& sizes, int capacity);

// The fewest bins: a branch and bound search that starts from first-fit decreasing and
// stops as soon as a packing meets the lower bound. None when `limit` ran out first.
std::optional<std::vector<int>> exactPacking(const std::vector<int>& sizes, int capacity,
                                             std::chrono::milliseconds limit);
