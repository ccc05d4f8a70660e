#include "import/irregular/NodalPointJob.h"

#include "image/CTGAFile.h"
#include "image/GeoreferenceFile.h"
#include "import/irregular/DelaunayTriangulation.h"
#include "import/irregular/NodalTriangleRaster.h"
#include "platform/messages/IrregularMessages.h"

#include <new>

namespace vistagon {

bool NodalPointJob::StorePoint(const NodalPoint& point)
{
    for (;;) {
        try {
            points_.push_back(point);
            return true;
        } catch (const std::bad_alloc&) {
            if (!AskRetry(context_.ui, msg::kCouldNotAllocate.text)) return false;
        }
    }
}

bool NodalPointJob::GridPoints(int width, int height, const std::string& target,
                               const std::optional<Georeference>& georeference)
{
    CTGAFile image(context_, true, 1.0, 1.0, &context_.ui.Status());
    if (!image.CreateImage(width, height)) return false;
    image.FillGray(0);
    const size_t count = points_.size();
    const Triangulation mesh = TriangulateNodalPoints(points_, [this, count](size_t i) {
        return PercentCheckpoint(static_cast<int>(i * 100 / count));
    });
    bool ok = false;
    switch (mesh.outcome) {
    case TriangulationOutcome::Complete: ok = true; break;
    case TriangulationOutcome::Cancelled: break;
    case TriangulationOutcome::StorageExceeded:
        context_.ui.ShowMessage(msg::kTriangulationStorage.text, MessageIcon::Stop);
        break;
    case TriangulationOutcome::OutOfMemory:
        context_.ui.ShowMessage(msg::kTriangulationMemory.text, MessageIcon::Stop);
        break;
    }
    if (ok) {
        RasteriseNodalTriangles(points_, mesh.triangles, image);
        ok = image.OnSaveDocument(target) && SaveGeoreference(context_, target, georeference);
    }
    image.OnCloseDocument();
    return ok;
}

}  // namespace vistagon
