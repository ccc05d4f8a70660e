#include "image/Georeference.h"

namespace vistagon {

Georeference Georeference::ForPixels(double column, double row, double stepX, double stepY) const
{
    const std::array<double, 6>& t = transform;
    Georeference result = *this;
    result.transform = {MapX(column, row), t[1] * stepX, t[2] * stepY, MapY(column, row), t[4] * stepX, t[5] * stepY};
    return result;
}

}  // namespace vistagon
