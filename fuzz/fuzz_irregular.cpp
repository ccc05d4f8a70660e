// Scattered-point gridding. The first byte picks what the rest is: x y z text
// for the ASCII import (scan, then conversion onto a small raster), a TGA for
// the TGA import and the blue-zero preparation, or points for the
// triangulation, whose list must equal the one of the plain insertion that
// tests every triangle for every point. The second byte sets the raster size
// and the nodal point estimate.
#include "FuzzSupport.h"
#include "import/irregular/AsciiIrregularJob.h"
#include "import/irregular/BlueZeroJob.h"
#include "import/irregular/DelaunayTriangulation.h"
#include "import/irregular/TgaIrregularJob.h"
#include "platform/TempFiles.h"

// The plain insertion the tests check against, compiled in here as well.
#include "../tests/import/irregular/ReferenceTriangulation.cpp"

#include <cstdlib>
#include <vector>

namespace {

using namespace vistagon;

constexpr size_t kMaxComparedPoints = 600;  // the plain insertion is quadratic

void GridText(AppContext& context, const fuzz::FuzzFolder& folder, uint8_t knob, const uint8_t* data, size_t size)
{
    AsciiIrregularOptions options;
    options.source = folder.Write("input.txt", data, size);
    options.target = folder.File("out.tga");
    options.width = 1 + knob % 32;
    options.height = 1 + (knob / 8) % 32;
    options.skipLines = knob % 3;
    options.estimate = 1 + knob * 2;
    const FileRemover remove(options.target);
    AsciiIrregularJob job(context, options);
    job.Scan();
    job.Run();
}

void GridPicture(AppContext& context, const fuzz::FuzzFolder& folder, uint8_t knob, const uint8_t* data, size_t size)
{
    TgaIrregularOptions options;
    options.source = folder.Write("input.tga", data, size);
    options.target = folder.File("out.tga");
    options.zScale = knob % 2 ? -3.5 : 256.0;
    options.estimate = 1 + knob * 4;
    const FileRemover remove(options.target);
    const FileRemover removePrepared(folder.File("prepared.tga"));
    TgaIrregularJob(context, options).Run();
    BlueZeroJob(context, {options.source, folder.File("prepared.tga")}).Run();
}

// Three bytes a point: a coarse lattice (many cocircular and collinear points)
// or finer positions, as the knob says.
void CompareWithReference(uint8_t knob, const uint8_t* data, size_t size)
{
    std::vector<NodalPoint> points;
    const double fine = knob % 2 ? 1.0 / 16.0 : 1.0;
    const int lattice = knob % 2 ? 256 : 1 + knob / 8;
    for (size_t i = 0; i + 3 <= size && points.size() < kMaxComparedPoints; i += 3)
        points.push_back({(data[i] % lattice) * fine, (data[i + 1] % lattice) * fine, static_cast<double>(data[i + 2])});
    std::vector<NodalPoint> plain = points;
    const Triangulation fast = TriangulateNodalPoints(points, [](size_t) { return true; });
    const Triangulation reference = test::ReferenceTriangulation(plain);
    if (fast.outcome != reference.outcome) std::abort();
    if (fast.outcome != TriangulationOutcome::Complete) return;  // the plain one keeps nothing then
    if (fast.triangles.size() != reference.triangles.size()) std::abort();
    for (size_t t = 0; t < fast.triangles.size(); ++t)
        for (int k = 0; k < 3; ++k)
            if (fast.triangles[t].v[k] != reference.triangles[t].v[k]) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const fuzz::FuzzFolder folder;
    if (size < 2) return 0;
    fuzz::FuzzSession session(folder);
    AppContext& context = session.context;
    const uint8_t mode = data[0] % 3;
    const uint8_t knob = data[1];
    if (mode == 0) GridText(context, folder, knob, data + 2, size - 2);
    else if (mode == 1) GridPicture(context, folder, knob, data + 2, size - 2);
    else CompareWithReference(knob, data + 2, size - 2);
    return 0;
}
