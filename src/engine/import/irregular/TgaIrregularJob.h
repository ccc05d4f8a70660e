#pragma once

#include "import/irregular/NodalPointJob.h"

#include <string>

namespace vistagon {

class CTGAFile;

// The fields of the TGA irregular mesh dialog, with its initial values.
struct TgaIrregularOptions {
    std::string source;
    std::string target;
    double zScale = 256.0;
    int estimate = 1000;  // must exceed the number of nodal points
};

// A TGA whose pixels with blue 0 are nodal points: their height is the 16-bit
// two's-complement number red x 256 + green. The points are gridded into an
// elevation file of the source's size.
class TgaIrregularJob : public NodalPointJob {
public:
    TgaIrregularJob(AppContext& context, TgaIrregularOptions options);

    bool Run() override;

    TgaIrregularOptions& options() { return options_; }

private:
    // False when the user cancelled or memory ran out; `full` tells whether the estimate was reached.
    bool GatherPoints(const CTGAFile& source, bool& full);

    TgaIrregularOptions options_;
};

}  // namespace vistagon
