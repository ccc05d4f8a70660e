#pragma once

#include "tools/ImageToolJob.h"

#include <string>

namespace vistagon {

struct ResampleOptions {
    std::string source;
    std::string target;
    int reduction = 0;  // 0, 1, 2 for 1 : 2, 1 : 3, 1 : 4

    int Factor() const { return reduction + 2; }
};

// Reduces an elevation file by 2, 3 or 4 in both directions. Each target pixel
// holds the sum (not the mean) of its block's unsigned 24-bit values, kept to
// 24 bits; the partial blocks at the right and top edges are dropped.
class ResampleJob : public ImageToolJob {
public:
    ResampleJob(AppContext& context, ResampleOptions options) : ImageToolJob(context), options_(std::move(options)) {}

protected:
    bool Convert() override;

private:
    ResampleOptions options_;
};

}  // namespace vistagon
