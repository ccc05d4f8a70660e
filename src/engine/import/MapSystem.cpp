#include "import/MapSystem.h"

#include "platform/NumberParsing.h"

#include <string>

namespace vistagon {

namespace {

struct DatumText {
    const char* shortName;  // as the systems built on it are named
    const char* geogcs;     // WKT of the geographic system, without its axes
};

DatumText TextOf(Datum datum)
{
    switch (datum) {
    case Datum::Nad27:
        return {"NAD27", "GEOGCS[\"NAD27\",DATUM[\"North_American_Datum_1927\",SPHEROID[\"Clarke 1866\",6378206.4,"
                         "294.978698213898]],PRIMEM[\"Greenwich\",0],UNIT[\"degree\",0.0174532925199433]"};
    case Datum::Nad83:
        return {"NAD83", "GEOGCS[\"NAD83\",DATUM[\"North_American_Datum_1983\",SPHEROID[\"GRS 1980\",6378137,"
                         "298.257222101]],PRIMEM[\"Greenwich\",0],UNIT[\"degree\",0.0174532925199433]"};
    case Datum::Wgs72:
        return {"WGS 72", "GEOGCS[\"WGS 72\",DATUM[\"WGS_1972\",SPHEROID[\"WGS 72\",6378135,298.26]],"
                          "PRIMEM[\"Greenwich\",0],UNIT[\"degree\",0.0174532925199433]"};
    case Datum::Wgs84: break;
    }
    return {"WGS 84", "GEOGCS[\"WGS 84\",DATUM[\"WGS_1984\",SPHEROID[\"WGS 84\",6378137,298.257223563]],"
                      "PRIMEM[\"Greenwich\",0],UNIT[\"degree\",0.0174532925199433]"};
}

std::string UnitText(LinearUnit unit)
{
    return unit == LinearUnit::Metre ? "UNIT[\"metre\",1]" : "UNIT[\"US survey foot\",0.304800609601219]";
}

}  // namespace

void SetGeographicSystem(Georeference& georeference, Datum datum)
{
    georeference.wkt = std::string(TextOf(datum).geogcs) + ",AXIS[\"Latitude\",NORTH],AXIS[\"Longitude\",EAST]]";
    georeference.axisMapping = "2,1";
}

void SetUtmSystem(Georeference& georeference, Datum datum, int zone, bool south, LinearUnit unit)
{
    const DatumText text = TextOf(datum);
    const int centralMeridian = 6 * zone - 183;
    // False easting and northing are half a million and ten million metres, in the system's unit.
    const double metres = unit == LinearUnit::Metre ? 1.0 : 0.304800609601219;
    const auto inUnits = [metres](double value) { return FormatShortest(value / metres); };
    std::string name = std::string(text.shortName) + " / UTM zone " + std::to_string(zone) + (south ? "S" : "N");
    if (unit == LinearUnit::UsSurveyFoot) name += " (US survey foot)";
    georeference.wkt = "PROJCS[\"" + name + "\"," + text.geogcs +
                       "],PROJECTION[\"Transverse_Mercator\"],PARAMETER[\"latitude_of_origin\",0],"
                       "PARAMETER[\"central_meridian\"," + std::to_string(centralMeridian) +
                       "],PARAMETER[\"scale_factor\",0.9996],PARAMETER[\"false_easting\"," + inUnits(500000.0) +
                       "],PARAMETER[\"false_northing\"," + inUnits(south ? 10000000.0 : 0.0) + "]," +
                       UnitText(unit) + ",AXIS[\"Easting\",EAST],AXIS[\"Northing\",NORTH]]";
    georeference.axisMapping = "1,2";
}

}  // namespace vistagon
