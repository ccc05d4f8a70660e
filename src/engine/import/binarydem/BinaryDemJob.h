#pragma once

#include "image/Georeference.h"
#include "import/ConvertJob.h"
#include "import/binarydem/BinaryDemOptions.h"
#include "import/binarydem/BinaryHeaderInfo.h"

#include <cfloat>
#include <cstdint>
#include <vector>

namespace vistagon {

class BinaryFile;

// Converts a region of a raw raster of 8-, 16- or 32-bit samples, described by
// a loaded header, into an elevation file: heights are sample x z scale,
// saturated to 24 bits and rounded to nearest. Parts of the region outside the
// raster read 0. Ends with the range of the written heights.
class BinaryDemJob : public ConvertJob {
public:
    BinaryDemJob(AppContext& context, const BinaryHeaderInfo& header, const BinaryDemOptions& options);

    bool Run() override;

    // The range of the heights written by the last complete run (before rounding).
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }

private:
    struct Region {
        int width;
        int height;
        int64_t firstRow;  // file row of the output's bottom row
        int64_t firstColumn;
    };

    bool SourceSizeAccepted();
    bool RegionFits(Region& region);
    bool Convert(const Region& region);
    // Where the region lies in the header's map coordinates (the header names
    // no coordinate system).
    Georeference RegionGeoreference(const Region& region) const;
    // Reads the part of file row `row` that lies under the region into samples_
    // (zero elsewhere).
    void ReadRow(BinaryFile& source, int64_t row, const Region& region);
    void ConvertRow(uint8_t* pixels, int width);
    template <typename Decode>
    void ConvertSamples(uint8_t* pixels, int width, Decode decode);

    BinaryHeaderInfo header_;
    BinaryDemOptions options_;
    int bytesPerSample_;
    std::vector<uint8_t> samples_;
    double minimum_ = FLT_MAX;
    double maximum_ = -FLT_MAX;
};

}  // namespace vistagon
