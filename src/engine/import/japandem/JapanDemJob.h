#pragma once

#include "import/ConvertJob.h"

#include <string>

namespace vistagon {

class CTGAFile;
class TextFileReader;

// The fields of the Japan DEM dialog, with its initial value.
struct JapanDemOptions {
    std::string source;
    std::string target;
    int voidValue = -9999;
};

// A Japanese DEM text file of fixed-width fields: the raster size at characters
// 23 and 26 of the header line, then one line per row (top row first) of a
// 9-character prefix and 5-character elevations. Void values become 0.
class JapanDemJob : public ConvertJob {
public:
    JapanDemJob(AppContext& context, JapanDemOptions options) : ConvertJob(context), options_(std::move(options)) {}

    bool Run() override;

    JapanDemOptions& options() { return options_; }
    // How many stored heights were not 0 (the count the last run reported).
    long nonZeroCount() const { return nonZero_; }

private:
    bool ReadSize(TextFileReader& text, int& width, int& height);
    bool ReadRows(TextFileReader& text, CTGAFile& image);
    bool Fail(const std::string& message);

    JapanDemOptions options_;
    long nonZero_ = 0;
};

}  // namespace vistagon
