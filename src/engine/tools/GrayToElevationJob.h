#pragma once

#include "tools/ImageToolJob.h"

#include <string>

namespace vistagon {

struct GrayToElevationOptions {
    std::string source;
    std::string target;
};

// Turns a picture into an elevation file: each height is blue + green + red (0 ... 765).
class GrayToElevationJob : public ImageToolJob {
public:
    GrayToElevationJob(AppContext& context, GrayToElevationOptions options)
        : ImageToolJob(context), options_(std::move(options))
    {
    }

protected:
    bool Convert() override;

private:
    GrayToElevationOptions options_;
};

}  // namespace vistagon
