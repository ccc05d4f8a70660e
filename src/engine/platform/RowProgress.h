#pragma once

#include "platform/UserInteraction.h"

namespace vistagon {

// The shared "%d%%" progress convention: before row i the sink shows
// trunc(i * 100 / rows), accumulated as a floating-point sum of 100 / rows per
// row; Finish shows 100%.
class RowProgress {
public:
    RowProgress(ProgressText* sink, double rows) : sink_(sink), step_(rows > 0 ? 100.0 / rows : 100.0) {}

    // Reports the current row and advances to the next.
    void Step();
    void Finish();
    double percent() const { return percent_; }

private:
    ProgressText* sink_;
    double step_;
    double percent_ = 0.0;
};

// Shows an integer percentage as "%d%%".
void ShowPercent(ProgressText* sink, int percent);

}  // namespace vistagon
