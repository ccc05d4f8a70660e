#pragma once

#include "import/ConvertJob.h"

#include <string>

namespace vistagon {

struct BlueZeroOptions {
    std::string source;
    std::string target;
};

// Prepares an ordinary image for the TGA irregular import: a copy in which no
// pixel has blue 0 (those get blue 1), so that only points marked afterwards count.
class BlueZeroJob : public ConvertJob {
public:
    BlueZeroJob(AppContext& context, BlueZeroOptions options) : ConvertJob(context), options_(std::move(options)) {}

    bool Run() override;

    BlueZeroOptions& options() { return options_; }

private:
    BlueZeroOptions options_;
};

}  // namespace vistagon
