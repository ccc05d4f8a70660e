#pragma once

#include <cstdint>

namespace vistagon {

// The pseudo-random integers 0 ... 32767 that shake the points off exact
// lattice positions: a linear congruential generator that starts from the same
// seed for every triangulation, so a conversion always gives the same file.
class JitterRandom {
public:
    int Next()
    {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

private:
    uint32_t state_ = 1;
};

}  // namespace vistagon
