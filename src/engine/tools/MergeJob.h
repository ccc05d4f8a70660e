#pragma once

#include "tools/ImageToolJob.h"

#include <string>

namespace vistagon {

enum class MergeOperation { Add, Multiply };

struct MergeOptions {
    std::string source;  // file 1: gives the target its size
    std::string second;  // file 2: read at the same positions, white outside
    std::string target;
    double bias1 = 1.0;
    double bias2 = 1.0;
    MergeOperation operation = MergeOperation::Add;

    static constexpr double kBiasLimit = 256.0;
    static bool BiasInRange(double bias) { return bias >= -kBiasLimit && bias <= kBiasLimit; }
};

// Merges two pictures channel by channel: c1 * bias1 + c2 * bias2, or
// (c1 + bias1) * (c2 + bias2) / 255, clamped to 0 ... 255.
class MergeJob : public ImageToolJob {
public:
    MergeJob(AppContext& context, MergeOptions options) : ImageToolJob(context), options_(std::move(options)) {}

protected:
    bool Convert() override;

private:
    MergeOptions options_;
};

}  // namespace vistagon
