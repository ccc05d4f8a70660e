#pragma once

#include "tools/ImageToolJob.h"

#include <string>

namespace vistagon {

struct ElevationToGrayOptions {
    std::string source;
    std::string target;
    double zScale = 1.0;
};

// Turns an elevation file into a grayscale picture: the unsigned 24-bit value
// times the z scale, saturated at 255 (with a notice giving the largest scaled value).
class ElevationToGrayJob : public ImageToolJob {
public:
    ElevationToGrayJob(AppContext& context, ElevationToGrayOptions options)
        : ImageToolJob(context), options_(std::move(options))
    {
    }

protected:
    bool Convert() override;

private:
    ElevationToGrayOptions options_;
};

}  // namespace vistagon
