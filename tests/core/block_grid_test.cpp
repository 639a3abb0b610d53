#include "core/block_grid.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

// Random writes, copies and comparisons against a plain dense grid.
TEST(BlockGrid, ReadsWhatADenseGridReadsWhateverBlocksExist) {
    constexpr int Side = 101; // blocks of 32: the last block row and column are partial
    std::mt19937 random(7);
    std::uniform_int_distribution<int> index(0, Side - 1);
    std::uniform_int_distribution<int> value(-3, 3);
    for (int round = 0; round < 50; ++round) {
        BlockGrid<int> grid(Side, -1);
        std::vector<int> dense(Side * Side, -1);
        const int writes = round * 7;
        for (int w = 0; w < writes; ++w) {
            const int c = index(random);
            const int r = index(random);
            const int v = value(random);
            grid(c, r) = v;
            dense[std::size_t(c * Side + r)] = v;
        }
        const BlockGrid<int> copy = grid;
        const BlockGrid<int>& readOnly = copy;
        for (int c = 0; c < Side; ++c) {
            for (int r = 0; r < Side; ++r) {
                ASSERT_EQ(readOnly(c, r), dense[std::size_t(c * Side + r)]) << c << "," << r;
            }
        }
        EXPECT_TRUE(copy == grid);
        // A block that exists but holds only the fill equals one that does not exist.
        BlockGrid<int> touched(Side, -1);
        BlockGrid<int> untouched(Side, -1);
        touched(0, 0) = -1;
        EXPECT_TRUE(touched == untouched);
        EXPECT_TRUE(untouched == touched);
        if (writes > 0) {
            BlockGrid<int> changed = grid;
            int& entry = changed(index(random), index(random));
            entry = entry == 9 ? 8 : 9;
            EXPECT_FALSE(changed == grid);
            EXPECT_FALSE(grid == changed);
        }
    }
}
