#include "import/usgsdem/DemGeoreference.h"

#include "import/MapSystem.h"

#include <cmath>
#include <cstdlib>

namespace vistagon {

namespace {

constexpr int kGeographic = 0;  // planimetric reference system codes
constexpr int kUtm = 1;
constexpr int kFeet = 1;  // ground units codes
constexpr int kMetres = 2;
constexpr double kArcSecondsPerDegree = 3600.0;

// The part of a pixel position beyond its pixel, in [0, 1); positions a
// rounding step off the grid count as on it, as the columns are placed.
double Phase(double position)
{
    constexpr double kNudge = 1e-12;
    constexpr double kOnGrid = 1e-9;
    const double phase = position - std::floor(position + kNudge);
    return std::fabs(phase) < kOnGrid || phase > 1.0 - kOnGrid ? 0.0 : phase;
}

std::optional<Datum> DatumOf(int code)
{
    switch (code) {
    case 0:
    case 1: return Datum::Nad27;
    case 2: return Datum::Wgs72;
    case 3: return Datum::Wgs84;
    case 4: return Datum::Nad83;
    default: return std::nullopt;  // old Hawaii, Puerto Rico and unknown codes
    }
}

}  // namespace

DemGridPhase GridPhaseOf(const DemMergeBounds& bounds, double x, double y)
{
    return {Phase((x - bounds.minX) / bounds.resolutionX), Phase((y - bounds.minY) / bounds.resolutionY)};
}

std::optional<Georeference> DemMapSystem(const DemHeader& header)
{
    const std::optional<Datum> datum = DatumOf(header.horizontalDatum);
    if (!datum) return std::nullopt;
    Georeference georeference;
    if (header.planimetricSystem == kGeographic && header.groundUnits == DemHeader::kArcSeconds) {
        SetGeographicSystem(georeference, *datum);
        return georeference;
    }
    const int zone = std::abs(header.zone);
    if (header.planimetricSystem != kUtm || zone < 1 || zone > 60) return std::nullopt;
    if (header.groundUnits != kMetres && header.groundUnits != kFeet) return std::nullopt;
    // A southern zone is written negative.
    SetUtmSystem(georeference, *datum, zone, header.zone < 0,
                 header.groundUnits == kMetres ? LinearUnit::Metre : LinearUnit::UsSurveyFoot);
    return georeference;
}

bool SameMapSystem(const DemHeader& a, const DemHeader& b)
{
    return a.planimetricSystem == b.planimetricSystem && a.zone == b.zone && a.groundUnits == b.groundUnits &&
           DatumOf(a.horizontalDatum) == DatumOf(b.horizontalDatum);
}

Georeference DemRasterGeoreference(const Georeference& system, const DemHeader& header, const DemMergeBounds& bounds,
                                   int height, const DemGridPhase& phase)
{
    const double scale = header.groundUnits == DemHeader::kArcSeconds ? 1.0 / kArcSecondsPerDegree : 1.0;
    const double resX = bounds.resolutionX;
    const double resY = bounds.resolutionY;
    // Row 0 of the file is the southern one; GDAL's first row is the northern.
    Georeference georeference = system;
    georeference.transform = {(bounds.minX + (phase.x - 0.5) * resX) * scale,
                              resX * scale,
                              0.0,
                              (bounds.minY + (height - 0.5 + phase.y) * resY) * scale,
                              0.0,
                              -resY * scale};
    return georeference;
}

}  // namespace vistagon
