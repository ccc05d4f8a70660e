#pragma once

#include "image/Georeference.h"

namespace vistagon {

// The horizontal datums the elevation formats name.
enum class Datum { Nad27, Nad83, Wgs72, Wgs84 };

enum class LinearUnit { Metre, UsSurveyFoot };

// Gives the georeference the geographic system of the datum as WKT, with
// longitude as the x of its transform.
void SetGeographicSystem(Georeference& georeference, Datum datum);

// Gives the georeference a UTM zone (1 to 60) of the datum as WKT; south for
// the zones of the southern hemisphere.
void SetUtmSystem(Georeference& georeference, Datum datum, int zone, bool south, LinearUnit unit);

}  // namespace vistagon
