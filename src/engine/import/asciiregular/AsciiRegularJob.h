#pragma once

#include "import/CheckpointJob.h"
#include "import/asciiregular/ResultsList.h"

#include <string>
#include <vector>

namespace vistagon {

class AsciiPointReader;
class CTGAFile;

// The fields of the ASCII regular mesh dialog, with its initial values.
struct AsciiRegularOptions {
    std::string source;
    std::string target;
    int width = 512;
    int height = 512;
    int skipLines = 0;
    double zScale = 256.0;
    double minX = 0.0;
    double maxX = 0.0;
    double minY = 0.0;
    double maxY = 0.0;
};

// Text lines "x y z" that sample a regular grid, one line per node in any order:
// each z lands on the pixel nearest to its (x, y). Scan proposes the grid's
// boundaries and size from the source; Run converts.
class AsciiRegularJob : public CheckpointJob {
public:
    AsciiRegularJob(AppContext& context, AsciiRegularOptions options);

    // Reads the source once and puts the proposed boundaries, width and height
    // into the options. False when the source cannot be opened or read, or the
    // user cancelled.
    bool Scan();
    // Fails (with the output still written) when a line was listed in the results.
    // A cancelled run writes nothing and is not a failure; see WasCancelled.
    bool Run() override;

    AsciiRegularOptions& options() { return options_; }
    const std::vector<std::string>& results() const { return results_.lines(); }

private:
    bool CheckBoundaries();
    bool PlacePoints(AsciiPointReader& reader, CTGAFile& image, long& validLines);
    bool ReportReadFailure();

    AsciiRegularOptions options_;
    ResultsList results_;
};

}  // namespace vistagon
