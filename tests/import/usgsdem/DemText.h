#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace vistagon::test {

// Builds small USGS DEM files: a type A record with the fields the tests set,
// then profiles of 6-character elevation fields.
class DemText {
public:
    DemText() : record_(1024, ' ') {}

    // Places text at a 0-based offset of the type A record.
    DemText& Put(size_t offset, const std::string& text)
    {
        record_.replace(offset, text.size(), text);
        return *this;
    }
    // Corners as the rectangle (minX, minY) - (maxX, maxY), written SW, NW, NE, SE.
    DemText& Corners(double minX, double minY, double maxX, double maxY)
    {
        const double xy[8] = {minX, minY, minX, maxY, maxX, maxY, maxX, minY};
        for (int i = 0; i < 8; ++i) Put(546 + 24 * static_cast<size_t>(i), Real(xy[i], 24));
        return *this;
    }
    DemText& Resolution(double x, double y) { return Put(816, Real(x, 12)).Put(828, Real(y, 12)).Put(840, Real(1, 12)); }
    DemText& GroundUnits(int code) { return Put(528, Int(code, 6)); }
    DemText& Profiles(int columns) { return Put(858, Int(columns, 6)); }

    // One type B record; elevations as they should stand in their fields.
    DemText& Profile(int column, double x, double y, const std::vector<std::string>& elevations)
    {
        std::string b = Int(1, 6) + Int(column, 6) + Int(static_cast<int>(elevations.size()), 6) + Int(1, 6) +
                        Real(x, 24) + Real(y, 24) + Real(0, 24) + Real(0, 24) + Real(0, 24);
        for (const std::string& e : elevations) b += std::string(e.size() < 6 ? 6 - e.size() : 0, ' ') + e;
        b.resize((b.size() + 1023) / 1024 * 1024, ' ');
        profiles_ += b;
        return *this;
    }

    // Fixed 1024-character records, or a line feed after the type A record.
    std::string Text(bool lineFeedAfterHeader = false) const
    {
        return record_ + (lineFeedAfterHeader ? "\n" : "") + profiles_;
    }

    static std::string Int(int value, int width)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%*d", width, value);
        return text;
    }
    // Fortran style, as the files write reals.
    static std::string Real(double value, int width)
    {
        char text[64];
        std::snprintf(text, sizeof text, "%*.*E", width, width > 12 ? 15 : 5, value);
        std::string s = text;
        s[s.find('E')] = 'D';
        return s;
    }

private:
    std::string record_;
    std::string profiles_;
};

}  // namespace vistagon::test
