#include "tools/GrayToElevationJob.h"

#include "image/ElevationEncoding.h"

namespace vistagon {

bool GrayToElevationJob::Convert()
{
    return MapPixels(options_.source, options_.target, [](const uint8_t* in, uint8_t* out) {
        Put(out, EncodeElevation(in[0] + in[1] + in[2]));
    });
}

}  // namespace vistagon
