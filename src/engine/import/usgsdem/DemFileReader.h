#pragma once

#include "import/binarydem/TextModeReader.h"
#include "import/usgsdem/DemHeader.h"

#include <string>

namespace vistagon {

// The leading items of a type B record (one profile).
struct DemProfileHeader {
    int row = 0;
    int column = 0;
    int count = 0;  // elevations in this profile
    int columns = 0;
    double x = 0.0;  // ground position of the first elevation
    double y = 0.0;
    double localDatum = 0.0;
    double minimumElevation = 0.0;
    double maximumElevation = 0.0;
};

// Reads one USGS DEM file: its type A record, then profile after profile.
// Raises FileError when the file cannot be opened or read.
class DemFileReader {
public:
    explicit DemFileReader(const std::string& path);

    // The type A record, from the start of the file.
    DemHeader ReadHeader();
    // Positions the reader after the type A record: after a line feed within
    // the first 2048 characters, else at character 1024 (records without breaks).
    void SkipToProfiles();
    // The profile's white-space separated leading items; false when the file
    // ends first or they are not numbers. Clears the elevation look-ahead.
    bool ReadProfileHeader(DemProfileHeader& profile);
    // The next elevation; false when the file ends before any of it.
    bool NextElevation(double& elevation);

private:
    bool ReadInt(int& value);
    bool ReadReal(double& value);
    void SkipBlanks();
    int Next();

    TextModeReader text_;
    int lookahead_ = kNone;
    static constexpr int kNone = -2;
};

}  // namespace vistagon
