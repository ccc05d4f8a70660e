#include "image/ElevationEncoding.h"
#include "image/ElevationGrid.h"
#include "support/ScriptedInteraction.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::ReadFileBytes;
using test::TestContext;
using test::WriteFileBytes;

TEST(ElevationEncoding, SignedTwentyFourBitValues)
{
    const uint8_t a[3] = {0x10, 0x27, 0x00}, b[3] = {0xFF, 0xFF, 0xFF}, c[3] = {0x00, 0x00, 0x80}, d[3] = {0xFF, 0xFF, 0x7F};
    EXPECT_EQ(DecodeElevation(a), 10000);
    EXPECT_EQ(DecodeElevation(b), -1);
    EXPECT_EQ(DecodeElevation(c), -8388608);
    EXPECT_EQ(DecodeElevation(d), 8388607);
    EXPECT_EQ(DecodeElevationRaw(b), 16777215u);
    for (int v : {0, 1, -1, 10000, -9999, 8388607, -8388608}) EXPECT_EQ(DecodeElevation(EncodeElevation(v)), v);
    EXPECT_EQ(EncodeElevation(0x1234567), (Bgr{0x67, 0x45, 0x23}));  // lowest 24 bits
}

// A 100 x 100 elevation file with value 10 * column + 1000 * row - 20000 (negative in places),
// written with an image ID field so that the file-backed reads must honour it.
std::string WriteGrid(TestContext& t)
{
    std::string bytes(18, '\0');
    bytes[0] = 3;
    bytes[2] = 2;
    bytes[12] = 100;
    bytes[14] = 100;
    bytes[16] = 24;
    bytes += "abc";
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            const Bgr p = EncodeElevation(10 * x + 1000 * y - 20000);
            bytes += std::string{static_cast<char>(p.b), static_cast<char>(p.g), static_cast<char>(p.r)};
        }
    const std::string path = t.dir.File("grid.tga");
    WriteFileBytes(path, bytes);
    return path;
}

TEST(ElevationGrid, BilinearLookupWithItsEdges)
{
    TestContext t;
    ElevationGrid grid(t.context, 30.0, 30.0, true);
    ASSERT_TRUE(grid.OnOpenDocument(WriteGrid(t)));
    EXPECT_DOUBLE_EQ(grid.GetGridWidth(), 3000.0);
    EXPECT_DOUBLE_EQ(grid.HeightAt(0, 0), -20000.0);
    EXPECT_DOUBLE_EQ(grid.HeightAt(2970, 0), 0.0);  // px = width - 1
    EXPECT_DOUBLE_EQ(grid.HeightAt(0, 2970), 0.0);
    EXPECT_DOUBLE_EQ(grid.HeightAt(-0.001, 5), 0.0);
    EXPECT_DOUBLE_EQ(grid.HeightAt(NAN, 5), 0.0);
    EXPECT_DOUBLE_EQ(grid.HeightAt(15, 15), (-20000.0 - 19990.0 - 19000.0 - 18990.0) / 4.0);
    struct P {
        double x, y;
    };
    EXPECT_DOUBLE_EQ(grid.HeightAt(P{15, 15}), grid.HeightAt(15, 15));
    grid.SetZScale(0.5);
    EXPECT_DOUBLE_EQ(grid.GetZScale(), 0.5);
    EXPECT_DOUBLE_EQ(grid.HeightAt(0, 0), -20000.0);  // not multiplied by z
}

TEST(ElevationGrid, FileBackedLookupsEqualLoadedOnes)
{
    TestContext t;
    const std::string path = WriteGrid(t);
    ElevationGrid loaded(t.context, 7.0, 3.0, true), fileBacked(t.context, 7.0, 3.0, false);
    ASSERT_TRUE(loaded.OnOpenDocument(path));
    ASSERT_TRUE(fileBacked.OnOpenDocument(path));
    EXPECT_EQ(fileBacked.PixelBase(), nullptr);
    EXPECT_EQ(fileBacked.GetWidth(), 100);
    EXPECT_DOUBLE_EQ(fileBacked.GetGridHeight(), 300.0);
    for (double y = -3; y < 310; y += 2.9)
        for (double x = -7; x < 710; x += 6.3) ASSERT_EQ(loaded.HeightAt(x, y), fileBacked.HeightAt(x, y)) << x << "," << y;
    EXPECT_EQ(fileBacked.NodeValue(99, 99), loaded.NodeValue(99, 99));
}

TEST(ElevationGrid, AHeaderOnlyOpenStillRefusesATruncatedFile)
{
    TestContext t;
    const std::string path = WriteGrid(t);
    const std::string bytes = ReadFileBytes(path);
    WriteFileBytes(path, bytes.substr(0, bytes.size() - 1));
    ElevationGrid grid(t.context, 1.0, 1.0, false);
    EXPECT_FALSE(grid.OnOpenDocument(path));
    ASSERT_FALSE(t.ui.shown.empty());
    EXPECT_EQ(t.ui.shown[0].text.substr(0, 23), "Could not read TGA file");
}

}  // namespace
}  // namespace vistagon
