// TGA reading, loaded and header-only, with lookups on whatever was accepted.
#include "FuzzSupport.h"
#include "image/ElevationGrid.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vistagon;
    static const fuzz::FuzzFolder folder;
    fuzz::FuzzSession session(folder);
    AppContext& context = session.context;
    const std::string path = folder.Write("input.tga", data, size);
    for (const bool load : {true, false}) {
        ElevationGrid grid(context, 1.5, 0.75, load);
        if (!grid.OnOpenDocument(path)) continue;
        for (double y = -1; y <= grid.GetHeight(); y += 0.7)
            for (double x = -1; x <= grid.GetWidth() * 1.5; x += 1.1) (void)grid.HeightAt(x, y);
        (void)grid.SampleGaussian(2.5, 2.5);
        grid.OnCloseDocument();
    }
    return 0;
}
