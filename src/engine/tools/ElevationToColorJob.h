#pragma once

#include "image/Bgr.h"
#include "tools/ImageToolJob.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vistagon {

struct ElevationToColorOptions {
    std::string source;
    std::string target;
    std::string palette;
    int32_t lowerLimit = 0;
    int32_t upperLimit = 8192;
};

// Colours an elevation file from the top row of a palette image: column 0 below
// the lower limit, the last column above the upper limit, the ramp in between.
class ElevationToColorJob : public ImageToolJob {
public:
    ElevationToColorJob(AppContext& context, ElevationToColorOptions options)
        : ImageToolJob(context), options_(std::move(options))
    {
    }

protected:
    bool Convert() override;

private:
    // The palette's top row; false (with a message) when it cannot be read or is empty.
    bool ReadPalette(std::vector<Bgr>& ramp);

    ElevationToColorOptions options_;
};

}  // namespace vistagon
