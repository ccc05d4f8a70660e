#pragma once

#include "image/Bgr.h"
#include "import/ConvertJob.h"
#include "import/usgsdem/DemGeoreference.h"
#include "import/usgsdem/DemMergeBounds.h"
#include "import/usgsdem/UsgsDemFeedback.h"
#include "import/usgsdem/UsgsDemOptions.h"

#include <optional>
#include <string>
#include <vector>

namespace vistagon {

class CTGAFile;
class DemFileReader;

// Merges one or more USGS DEM files into one elevation file: every header is
// shown first (Cancel there ends the conversion), the raster covers all their
// corners, and each profile is written one pixel per elevation northwards from
// its first point. Void elevations become 0; jumps of 512 or more are asked
// about. Ends with the count of positive elevations.
class UsgsDemJob : public ConvertJob {
public:
    UsgsDemJob(AppContext& context, const UsgsDemOptions& options, UsgsDemFeedback& feedback);

    bool Run() override;

    long positiveCount() const { return positives_; }

private:
    // Pass 1: headers and bounds; false when the conversion cannot go on.
    bool CollectBounds(std::vector<std::string>& readable);
    bool RasterFits();
    // Pass 2 for one file; false once the user has cancelled.
    bool ConvertFile(const std::string& path, CTGAFile& image);
    // One profile into the image; false when the file ends inside it.
    bool WriteProfile(DemFileReader& reader, CTGAFile& image);
    // Where the merged raster lies: in the first file's map system, with its
    // posts' grid; none when the files name different or unknown systems.
    std::optional<Georeference> RasterGeoreference() const;

    UsgsDemOptions options_;
    UsgsDemFeedback& feedback_;
    DemMergeBounds bounds_;
    std::optional<DemHeader> firstHeader_;
    bool oneSystem_ = true;                // every file in the first file's map system
    std::optional<DemGridPhase> phase_;    // of the first profile written
    int width_ = 0;
    int height_ = 0;
    long positives_ = 0;
    bool checking_ = true;  // the jump question, switched on again for every file
    Bgr color_;             // the draw colour of the profile writes
};

}  // namespace vistagon
