#pragma once

#include "image/Georeference.h"
#include "import/CheckpointJob.h"
#include "import/asciiregular/ResultsList.h"
#include "import/irregular/NodalPoint.h"

#include <optional>
#include <string>
#include <vector>

namespace vistagon {

// What the scattered-point imports share: the points gathered up to the
// estimate, the results list, and the gridding of the points into the target.
class NodalPointJob : public CheckpointJob {
public:
    NodalPointJob(AppContext& context, MessageText exceededText) : CheckpointJob(context), results_(exceededText) {}

    const std::vector<std::string>& results() const { return results_.lines(); }

protected:
    // Adds a point, asking to retry while memory for it cannot be had; false when given up.
    bool StorePoint(const NodalPoint& point);
    // Triangulates the points and draws the triangles into a new width x height
    // elevation file. False when the image cannot be made, the triangulation
    // fails, the user cancels or the file cannot be saved. The georeference
    // goes beside the saved file (none takes a stale one away).
    bool GridPoints(int width, int height, const std::string& target, const std::optional<Georeference>& georeference);

    std::vector<NodalPoint> points_;
    ResultsList results_;
};

}  // namespace vistagon
