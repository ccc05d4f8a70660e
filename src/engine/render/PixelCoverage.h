#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vistagon {

// Which pixels of a picture a triangle has reached, by image row and column.
// Threads drawing bands of one picture share one: each marks its own rows,
// and any may read all of them. A pixel once reached stays so, so a reader
// that sees a pixel as reached is right however late it looks.
class PixelCoverage {
public:
    void Reset(int width, int height)
    {
        width_ = static_cast<size_t>(std::max(width, 0));
        bytes_.assign(width_ * static_cast<size_t>(std::max(height, 0)), 0);
    }
    size_t Index(int column, int imageRow) const
    {
        return static_cast<size_t>(imageRow) * width_ + static_cast<size_t>(column);
    }
    bool Taken(size_t index) const
    {
        return std::atomic_ref<uint8_t>(const_cast<uint8_t&>(bytes_[index])).load(std::memory_order_relaxed) != 0;
    }
    void Take(size_t index) { std::atomic_ref<uint8_t>(bytes_[index]).store(1, std::memory_order_relaxed); }

private:
    size_t width_ = 0;
    std::vector<uint8_t> bytes_;
};

}  // namespace vistagon
