#pragma once

#include "import/ConvertJob.h"

#include <string_view>

namespace vistagon {

// A converter job whose status text is its own rather than the per-row "%d%%":
// the line number of a text source, or a percentage shown only when it changes.
class CheckpointJob : public ConvertJob {
public:
    using ConvertJob::ConvertJob;

protected:
    static constexpr long kLinesPerCheckpoint = 1000;

    // Shows the text, pumps, and returns false once the user has cancelled.
    bool Checkpoint(std::string_view status);
    // Every 1000 data lines: the line number as status text, pump, cancel check.
    bool LineCheckpoint(long lineNumber);
    // The whole percentage done as "%d%%" (when it changed), pump, cancel check.
    bool PercentCheckpoint(int percent);
    // Starts a new conversion: not cancelled, no percentage shown yet.
    void BeginCheckpoints();

private:
    int shownPercent_ = -1;
};

}  // namespace vistagon
