#pragma once

#include "import/irregular/NodalPointJob.h"

#include <string>

namespace vistagon {

class AsciiPointReader;

// The fields of the ASCII irregular mesh dialog, with its initial values.
struct AsciiIrregularOptions {
    std::string source;
    std::string target;
    double maxX = 0.0;
    double minX = 0.0;
    double maxY = 0.0;
    double minY = 0.0;
    int skipLines = 0;
    int width = 512;
    int height = 512;
    double zScale = 256.0;
    int estimate = 1000;  // the nodal point estimate: how many points may come
};

// Scattered "x y z" text lines gridded through a Delaunay triangulation. Scan
// finds the points' bounds; Run maps the points inside the bounds onto the
// width x height output and grids them.
class AsciiIrregularJob : public NodalPointJob {
public:
    AsciiIrregularJob(AppContext& context, AsciiIrregularOptions options);

    // Puts the bounds of the valid lines into the options (all -1 when the
    // source cannot be opened). False when it cannot be opened or the user cancelled.
    bool Scan();
    bool Run() override;

    AsciiIrregularOptions& options() { return options_; }

private:
    bool GatherPoints(AsciiPointReader& reader);

    AsciiIrregularOptions options_;
};

}  // namespace vistagon
