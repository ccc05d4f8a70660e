#pragma once

#include "image/CTGAFile.h"
#include "platform/AppContext.h"
#include "platform/TempFiles.h"

#include <cstdint>
#include <memory>
#include <string>

namespace vistagon {

// Where the rows of a streaming conversion go, bottom row first: a TGA written
// beside the target and moved over it once complete, or, for a ".yuv" target,
// an image in memory that the image layer saves as YUV.
class ElevationRowOutput {
public:
    ElevationRowOutput(AppContext& context, std::string target);

    // Starts the output; shows "Cannot open file '%s'." when it cannot be made.
    bool Open(int width, int height);
    // Three bytes per pixel. Raises FileError.
    void WriteRow(int y, const uint8_t* pixels);
    // Puts the finished file in place; false (after saying why) when that fails.
    bool Commit();
    // Leaves the target as it was.
    void Abandon();

private:
    AppContext& context_;
    std::string target_;
    int width_ = 0;
    ReplacingFileWriter writer_;
    std::unique_ptr<CTGAFile> image_;  // YUV targets only
};

}  // namespace vistagon
