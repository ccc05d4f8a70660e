#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vistagon {

// An angle as the type A record writes it: degrees, minutes, seconds.
struct DemAngle {
    int degrees = 0;
    int minutes = 0;
    double seconds = 0.0;
};

struct DemPoint {
    double x = 0.0;
    double y = 0.0;
};

// The type A record of a USGS DEM file, the fields in file order.
struct DemHeader {
    static constexpr int kArcSeconds = 3;  // ground units code

    std::string fileName;
    std::string freeText;
    DemAngle seLongitude;
    DemAngle seLatitude;
    std::string processCode;
    std::string sectionalIndicator;
    std::string originCode;
    int levelCode = 0;
    int patternCode = 1;
    int planimetricSystem = 0;
    int zone = 0;
    std::array<double, 15> projection{};
    int groundUnits = 0;
    int elevationUnits = 0;
    int polygonSides = 4;
    std::array<DemPoint, 4> corners{};
    double minimumElevation = 0.0;
    double maximumElevation = 0.0;
    double angle = 0.0;
    int accuracyCode = 1;
    double resolutionX = 0.0;
    double resolutionY = 0.0;
    double resolutionZ = 0.0;
    int rows = 1;
    int columns = 0;  // the number of profiles
    int largestInterval = 0;
    int largestIntervalUnits = 0;
    int smallestInterval = 0;
    int smallestIntervalUnits = 0;
    int sourceDate = 0;
    int revisionDate = 0;
    std::string revisionFlag;
    int validationFlag = 0;
    int suspectVoidFlag = 0;
    int verticalDatum = 0;
    int horizontalDatum = 0;
    int edition = 1;
    int percentVoid = 0;
    std::array<int, 4> edgeMatch{};  // west, north, east, south
    double verticalShift = 0.0;
};

// The characters of the type A record: the first 1024 of the file, ending early
// at a line feed (the fields after it are blank).
constexpr size_t kDemRecordLength = 1024;

// Reads the fixed-width fields; fields beyond the record's end read as blanks.
// Codes written 0 that mean a default (pattern, sides, accuracy, rows, edition)
// take it.
DemHeader ParseDemHeader(std::string_view record);

}  // namespace vistagon
