#include "quote/cutting_search.h"

#include <algorithm>
#include <numeric>

std::vector<int> firstFitDecreasing(const std::vector<int>& sizes, int capacity) {
    std::vector<int> binOf;
    std::vector<int> room;
    binOf.reserve(sizes.size());
    for (const int size : sizes) {
        const auto fits =
            std::find_if(room.begin(), room.end(), [size](int r) { return r >= size; });
        if (fits == room.end()) {
            binOf.push_back(int(room.size()));
            room.push_back(capacity - size);
        } else {
            binOf.push_back(int(fits - room.begin()));
            *fits -= size;
        }
    }
    return binOf;
}

namespace {

long long ceilDiv(long long a, long long b) {
    return (a + b - 1) / b;
}

// The bound of Martello and Toth: for a size a, items above capacity − a take a bin each,
// as do those above half a bin; items from a up to half a bin fill what the latter leave
// before they need bins of their own. The best a is one of the sizes up to half a bin.
long long pairBound(const std::vector<int>& sizes, int capacity) {
    long long best = 0;
    std::vector<int> thresholds{0};
    for (const int s : sizes) {
        if (2 * s <= capacity) {
            thresholds.push_back(s);
        }
    }
    for (const int a : thresholds) {
        long long alone = 0;
        long long halves = 0;
        long long halvesRoom = 0;
        long long small = 0;
        for (const int s : sizes) {
            if (s > capacity - a) {
                ++alone;
            } else if (2 * s > capacity) {
                ++halves;
                halvesRoom += capacity - s;
            } else if (s >= a) {
                small += s;
            }
        }
        best =
            std::max(best, alone + halves + ceilDiv(std::max(0LL, small - halvesRoom), capacity));
    }
    return best;
}

// Depth-first over the items from the largest: each goes into an open bin or a new one.
// A branch ends when even the free room of its open bins, filled perfectly, cannot beat
// the best packing found.
class Search {
public:
    Search(const std::vector<int>& sizes, int capacity, std::chrono::milliseconds limit)
        : sizes_(sizes), capacity_(capacity), deadline_(std::chrono::steady_clock::now() + limit),
          current_(sizes.size()) {
        const long long total = std::accumulate(sizes.begin(), sizes.end(), 0LL);
        bound_ = int(std::max(ceilDiv(total, capacity), pairBound(sizes, capacity)));
        best_ = firstFitDecreasing(sizes, capacity);
        bestBins_ = sizes.empty() ? 0 : *std::max_element(best_.begin(), best_.end()) + 1;
        suffix_.assign(sizes.size() + 1, 0);
        runEnd_.assign(sizes.size(), sizes.size());
        for (std::size_t i = sizes.size(); i-- > 0;) {
            suffix_[i] = suffix_[i + 1] + sizes[i];
            if (i + 1 < sizes.size() && sizes[i + 1] == sizes[i]) {
                runEnd_[i] = runEnd_[i + 1];
            } else {
                runEnd_[i] = i + 1;
            }
        }
    }

    bool run() {
        if (bestBins_ > bound_) {
            descend(0);
        }
        return !timedOut_;
    }
    const std::vector<int>& best() const { return best_; }

private:
    bool done() const { return timedOut_ || bestBins_ == bound_; }

    void descend(std::size_t item) {
        if (done()) {
            return;
        }
        if ((++nodes_ & 1023) == 0 && std::chrono::steady_clock::now() > deadline_) {
            timedOut_ = true;
            return;
        }
        if (item == sizes_.size()) {
            bestBins_ = int(room_.size());
            best_ = current_;
            return;
        }
        const int size = sizes_[item];
        // Equal items are interchangeable: each goes no earlier than the one before.
        const int first = item > 0 && sizes_[item - 1] == size ? current_[item - 1] : 0;
        // Room no remaining item fits in is lost; the bins before `first` take only the
        // items smaller than this one.
        const int smallest = sizes_.back();
        long long early = 0;
        long long usable = 0;
        for (int bin = 0; bin < int(room_.size()); ++bin) {
            const int r = room_[std::size_t(bin)];
            (bin < first ? early : usable) += r >= smallest ? r : 0;
        }
        usable += std::min(early, suffix_[runEnd_[item]]);
        const long long overflow = std::max(0LL, suffix_[item] - usable);
        if (int(room_.size()) + ceilDiv(overflow, capacity_) >= bestBins_) {
            return;
        }
        // A bin the item fills exactly is as good as any other choice.
        for (int bin = first; bin < int(room_.size()); ++bin) {
            if (room_[std::size_t(bin)] == size) {
                place(item, bin);
                return;
            }
        }
        std::vector<int> tried;
        for (int bin = first; bin < int(room_.size()) && !done(); ++bin) {
            const int r = room_[std::size_t(bin)];
            if (r < size || std::find(tried.begin(), tried.end(), r) != tried.end()) {
                continue;
            }
            tried.push_back(r);
            place(item, bin);
        }
        if (!done() && int(room_.size()) + 1 < bestBins_) {
            room_.push_back(capacity_);
            place(item, int(room_.size()) - 1);
            room_.pop_back();
        }
    }

    void place(std::size_t item, int bin) {
        const int size = sizes_[item];
        room_[std::size_t(bin)] -= size;
        current_[item] = bin;
        descend(item + 1);
        room_[std::size_t(bin)] += size;
    }

    const std::vector<int>& sizes_;
    const int capacity_;
    const std::chrono::steady_clock::time_point deadline_;
    // Sums of the sizes from an item on, and the first item after its run of equals.
    std::vector<long long> suffix_;
    std::vector<std::size_t> runEnd_;
    std::vector<int> room_;
    std::vector<int> current_;
    std::vector<int> best_;
    int bestBins_ = 0;
    int bound_ = 0;
    long long nodes_ = 0;
    bool timedOut_ = false;
};

} // namespace

std::optional<std::vector<int>> exactPacking(const std::vector<int>& sizes, int capacity,
                                             std::chrono::milliseconds limit) {
    Search search(sizes, capacity, limit);
    if (!search.run()) {
        return std::nullopt;
    }
    return search.best();
}
