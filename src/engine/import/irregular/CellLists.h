#pragma once

#include "import/irregular/LargePageAllocator.h"

#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

namespace vistagon {

// Many short unordered lists, one per cell, kept in one shared pool of blocks
// of 2, 4, 6, 8, 12, 16, 24 ... items rather than one heap allocation each: a
// list's items stay side by side, and freed blocks are reused by lists of
// their size.
template <class Item>
class CellLists {
public:
    explicit CellLists(size_t cells) : heads_(cells) {}

    // Room the pool may grow into without moving; untouched room costs no memory.
    void Reserve(size_t items) { pool_.reserve(items); }

    const Item* begin(size_t cell) const { return pool_.data() + heads_[cell].first; }
    const Item* end(size_t cell) const { return begin(cell) + heads_[cell].size; }
    bool empty(size_t cell) const { return heads_[cell].size == 0; }

    void Push(size_t cell, const Item& item)
    {
        Head& head = heads_[cell];
        if (head.size == Capacity(head.sizeClass)) Grow(head);
        pool_[head.first + head.size++] = item;
    }

    // Removes the first item for which match(item) holds; the last item takes its place.
    template <class Match>
    void RemoveFirst(size_t cell, Match match)
    {
        Head& head = heads_[cell];
        Item* items = pool_.data() + head.first;
        for (uint32_t i = 0; i < head.size; ++i) {
            if (!match(items[i])) continue;
            items[i] = items[--head.size];
            if (head.size == 0) Release(head);
            return;
        }
    }

private:
    static constexpr uint32_t kEmptyClass = 0xFFFFFFFFu;
    static constexpr uint32_t kLargestClass = 60;

    struct Head {
        uint32_t first = 0;
        uint32_t size = 0;
        uint32_t sizeClass = kEmptyClass;
    };

    static uint64_t Capacity(uint32_t sizeClass)
    {
        if (sizeClass == kEmptyClass) return 0;
        return (sizeClass % 2 == 0 ? uint64_t{2} : uint64_t{3}) << (sizeClass / 2);
    }

    uint32_t Allocate(uint32_t sizeClass)
    {
        if (sizeClass < free_.size() && !free_[sizeClass].empty()) {
            const uint32_t first = free_[sizeClass].back();
            free_[sizeClass].pop_back();
            return first;
        }
        const size_t first = pool_.size();
        if (sizeClass > kLargestClass || first + Capacity(sizeClass) > UINT32_MAX) throw std::bad_alloc();
        pool_.resize(first + Capacity(sizeClass));
        return static_cast<uint32_t>(first);
    }

    void Release(Head& head)
    {
        if (head.sizeClass == kEmptyClass) return;
        if (free_.size() <= head.sizeClass) free_.resize(head.sizeClass + 1);
        free_[head.sizeClass].push_back(head.first);
        head.sizeClass = kEmptyClass;
        head.first = 0;
    }

    void Grow(Head& head)
    {
        const uint32_t sizeClass = head.sizeClass == kEmptyClass ? 0 : head.sizeClass + 1;
        const uint32_t first = Allocate(sizeClass);
        for (uint32_t i = 0; i < head.size; ++i) pool_[first + i] = pool_[head.first + i];
        Release(head);
        head.first = first;
        head.sizeClass = sizeClass;
    }

    std::vector<Head, LargePageAllocator<Head>> heads_;
    std::vector<Item, LargePageAllocator<Item>> pool_;
    std::vector<std::vector<uint32_t>> free_;  // block starts by size class
};

}  // namespace vistagon
