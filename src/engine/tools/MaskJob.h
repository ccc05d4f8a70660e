#pragma once

#include "tools/ImageToolJob.h"

#include <string>

namespace vistagon {

struct MaskOptions {
    std::string source;
    std::string target;
    std::string mask;
};

// Masks a picture with a mask image of the same size: the mask's pixels (0, 0),
// (1, 0) and (2, 0) are the keys for keep, brighten and darken; any other mask
// colour replaces the picture's.
class MaskJob : public ImageToolJob {
public:
    MaskJob(AppContext& context, MaskOptions options) : ImageToolJob(context), options_(std::move(options)) {}

protected:
    bool Convert() override;

private:
    MaskOptions options_;
};

}  // namespace vistagon
