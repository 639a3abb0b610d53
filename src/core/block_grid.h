#pragma once

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

// A square grid of values that keeps only the 32 x 32 blocks ever written through a
// mutable reference; every other entry reads as the fill value. A room touches a few
// hundred of its million grid entries, so a room costs kilobytes instead of megabytes
// and opening a project of many rooms does not spend its time clearing memory.
template <typename T> class BlockGrid {
public:
    BlockGrid(int side, T fill)
        : blocksPerSide_((side + BlockSide - 1) / BlockSide), fill_(fill),
          blocks_(std::size_t(blocksPerSide_) * blocksPerSide_) {}

    BlockGrid(const BlockGrid& other)
        : blocksPerSide_(other.blocksPerSide_), fill_(other.fill_), blocks_(other.blocks_.size()) {
        copyBlocks(other);
    }
    BlockGrid& operator=(const BlockGrid& other) {
        if (this != &other) {
            blocksPerSide_ = other.blocksPerSide_;
            fill_ = other.fill_;
            blocks_.clear();
            blocks_.resize(other.blocks_.size());
            copyBlocks(other);
        }
        return *this;
    }
    BlockGrid(BlockGrid&&) noexcept = default;
    BlockGrid& operator=(BlockGrid&&) noexcept = default;

    // The entry, its block made when it has none yet.
    T& operator()(int column, int row) {
        std::unique_ptr<Block>& block = blocks_[blockIndex(column, row)];
        if (!block) {
            block = std::make_unique<Block>();
            block->fill(fill_);
        }
        return (*block)[entryIndex(column, row)];
    }
    T operator()(int column, int row) const {
        const std::unique_ptr<Block>& block = blocks_[blockIndex(column, row)];
        return block ? (*block)[entryIndex(column, row)] : fill_;
    }

    // Equal when every entry reads the same, whichever blocks exist.
    bool operator==(const BlockGrid& other) const {
        if (blocks_.size() != other.blocks_.size()) {
            return false;
        }
        for (std::size_t i = 0; i < blocks_.size(); ++i) {
            if (!sameBlock(blocks_[i].get(), fill_, other.blocks_[i].get(), other.fill_)) {
                return false;
            }
        }
        return true;
    }

private:
    static constexpr int Shift = 5;
    static constexpr int BlockSide = 1 << Shift;
    static constexpr int Mask = BlockSide - 1;
    using Block = std::array<T, BlockSide * BlockSide>;

    std::size_t blockIndex(int column, int row) const {
        return std::size_t(column >> Shift) * blocksPerSide_ + std::size_t(row >> Shift);
    }
    static std::size_t entryIndex(int column, int row) {
        return std::size_t(((column & Mask) << Shift) | (row & Mask));
    }
    void copyBlocks(const BlockGrid& other) {
        for (std::size_t i = 0; i < blocks_.size(); ++i) {
            if (other.blocks_[i]) {
                blocks_[i] = std::make_unique<Block>(*other.blocks_[i]);
            }
        }
    }
    static bool sameBlock(const Block* a, T fillA, const Block* b, T fillB) {
        if (a && b) {
            return *a == *b;
        }
        if (!a && !b) {
            return fillA == fillB;
        }
        const Block& present = a ? *a : *b;
        const T absent = a ? fillB : fillA;
        return std::all_of(present.begin(), present.end(), [absent](T v) { return v == absent; });
    }

    int blocksPerSide_;
    T fill_;
    std::vector<std::unique_ptr<Block>> blocks_;
};
