#include "import/usgsdem/DemFileReader.h"
#include "import/usgsdem/DemHeaderLines.h"
#include "support/ScriptedInteraction.h"
#include "import/usgsdem/DemText.h"

#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::DemText;

DemHeader HeaderOf(const std::string& text)
{
    test::TempDir dir;
    test::WriteFileBytes(dir.File("a.dem"), text);
    return DemFileReader(dir.File("a.dem")).ReadHeader();
}

TEST(DemHeader, FixedWidthFieldsWithFortranExponents)
{
    DemText dem;
    dem.Put(0, "QUAD NAME").Put(109, "-079373.0125").Put(122, "  39452.5").Put(135, "1").Put(137, "ABC");
    dem.Put(144, "     2     0     1    17").Put(168, "  0.123456789012345D+06");
    dem.Corners(606898.3125, 4400548.0, 617801.6875, 4414578.5).Resolution(30, 30).Profiles(363);
    dem.Put(852, "     0").Put(892, "   0").Put(908, "  -1.50");
    const DemHeader h = ParseDemHeader(dem.Text());
    EXPECT_EQ(h.fileName, "QUAD NAME" + std::string(31, ' '));
    EXPECT_EQ(h.seLongitude.degrees, -79);
    EXPECT_EQ(h.seLongitude.minutes, 37);
    EXPECT_DOUBLE_EQ(h.seLongitude.seconds, 3.0125);
    EXPECT_EQ(h.seLatitude.degrees, 39);
    EXPECT_EQ(h.processCode, "1");
    EXPECT_EQ(h.sectionalIndicator, "ABC");
    EXPECT_EQ(h.levelCode, 2);
    EXPECT_EQ(h.patternCode, 1);  // 0 is taken as 1
    EXPECT_EQ(h.zone, 17);
    EXPECT_DOUBLE_EQ(h.projection[0], 123456.789012345);
    EXPECT_EQ(h.polygonSides, 4);  // blank is 0, taken as 4
    EXPECT_DOUBLE_EQ(h.corners[2].x, 617801.6875);
    EXPECT_DOUBLE_EQ(h.corners[2].y, 4414578.5);
    EXPECT_DOUBLE_EQ(h.resolutionX, 30.0);
    EXPECT_EQ(h.rows, 1);
    EXPECT_EQ(h.columns, 363);
    EXPECT_EQ(h.edition, 1);
    EXPECT_DOUBLE_EQ(h.verticalShift, -1.5);
}

TEST(DemHeader, DisplayLinesInOrderAndFormat)
{
    DemText dem;
    dem.Put(0, "NAME").Put(109, " -7937  12.34").Put(122, "  3945 2.5");
    dem.GroundUnits(3).Put(540, DemText::Int(2, 6));
    dem.Corners(-490500.7, 212400.0, -489600.0, 213300.0).Resolution(3, 3).Profiles(300);
    dem.Put(876, "1998").Put(884, "R");
    const std::vector<std::string> lines = DemHeaderLines(ParseDemHeader(dem.Text()));
    ASSERT_EQ(lines.size(), 2u + 2 + 3 + 4 + 15 + 3 + 2 + 5 + 2 + 4 + 11);
    EXPECT_EQ(lines[0], "File name:\tNAME" + std::string(36, ' '));
    EXPECT_EQ(lines[2], "SE geographic corner longitude:\t-79°37'12\".3399");  // 0.34 x 10000 truncates
    EXPECT_EQ(lines[3], "SE geographic corner latitude:\t39°45'02\".5000");
    EXPECT_EQ(lines[11], "Map projection parameter[0]:\t0.00");
    EXPECT_EQ(lines[28], "Number of sides in boundary polygon:\t2");
    // Two sides: two corners, in arc-seconds split with the sign on the degrees.
    EXPECT_EQ(lines[29], "Corner #0:\t-136°15'00'', 59°00'00''");
    EXPECT_EQ(lines[30], "Corner #1:\t-136°15'00'', 59°15'00''");
    EXPECT_EQ(lines[31], "Minimum elevation:\t0.00");
    EXPECT_EQ(lines[35], "DEM spatial resolution (x, y, z):\t3.00, 3.00, 1.00");
    EXPECT_EQ(lines[37], "Number of columns in profile:\t300");
    EXPECT_EQ(lines[42], "Data source date:\t1998");
    EXPECT_EQ(lines[43], "Data inspection/revision date:\t0000");
    EXPECT_EQ(lines[44], "Data inspection/revision flag:\tR");
    EXPECT_EQ(lines[51], "Edge match flags W, N, E, S:\t0, 0, 0, 0");
    EXPECT_EQ(lines.back(), "Vertical datum shift:\t0.00");

    DemText metres;
    metres.GroundUnits(2).Put(540, DemText::Int(9, 6)).Corners(660060, 4415360, 671040.25, 4429460);
    const std::vector<std::string> metric = DemHeaderLines(ParseDemHeader(metres.Text()));
    EXPECT_EQ(metric[29], "Corner #0:\t660060.0000 m, 4415360.0000 m");
    EXPECT_EQ(metric[31], "Corner #2:\t671040.2500 m, 4429460.0000 m");
    EXPECT_EQ(metric[33], "Minimum elevation:\t0.00");  // never more than the four corners held
}

TEST(DemHeader, LineFeedEndsTheRecord)
{
    DemText dem;
    dem.Put(0, "NAME").Resolution(10, 10).Profiles(2).Put(896, "  33").Put(908, "   7.0");
    std::string text = dem.Text();
    text[880] = '\n';  // the record stops before the dates, void percentage and shift
    const DemHeader h = HeaderOf(text + "     1     1     3");
    EXPECT_EQ(h.columns, 2);
    EXPECT_EQ(h.percentVoid, 0);
    EXPECT_EQ(h.edition, 1);
    EXPECT_EQ(h.verticalShift, 0.0);
}

TEST(DemHeader, SharedFilesHaveTheirDescribedGeometry)
{
    VISTAGON_REQUIRE_SHARED_DATA();
    const std::string dir = test::SharedDataDir() + "/usgsdem/";
    const DemHeader utm = DemFileReader(dir + "39109h1_truncated.dem").ReadHeader();
    EXPECT_EQ(utm.zone, 12);
    EXPECT_EQ(utm.corners[0].x, 660060.0);  // a pixel centre: 5 m east of the raster corner
    EXPECT_EQ(utm.corners[1].y, 4429460.0);
    EXPECT_EQ(utm.resolutionX, 10.0);
    EXPECT_NEAR(utm.resolutionZ, 0.07305, 1e-12);
    EXPECT_EQ(utm.columns, 2);

    const DemHeader geographic = DemFileReader(dir + "114p01_0100_deme_truncated.dem").ReadHeader();
    EXPECT_EQ(geographic.groundUnits, DemHeader::kArcSeconds);
    EXPECT_EQ(geographic.corners[0].x / 3600.0, -136.25);
    EXPECT_EQ(geographic.corners[1].y / 3600.0, 59.25);
    EXPECT_EQ(geographic.resolutionX, 0.75);

    const DemHeader blank = DemFileReader(dir + "usgsdem_with_spaces_after_byte_864.dem").ReadHeader();
    EXPECT_EQ(blank.columns, 1);
    EXPECT_EQ(blank.edition, 1);
    EXPECT_EQ(blank.sourceDate, 0);
}

}  // namespace
}  // namespace vistagon
