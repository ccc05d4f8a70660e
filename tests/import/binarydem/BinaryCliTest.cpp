#include "image/ElevationEncoding.h"
#include "platform/messages/BinaryDemMessages.h"
#include "support/CliRunner.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <cstring>

namespace vistagon {
namespace {

using test::ReadFileBytes;
using test::RunCli;
using test::TempDir;
using test::WriteFileBytes;

std::string SharedHeader(const char* name)
{
    return test::SharedDataDir() + "/ehdr/" + name;
}

// Little-endian samples of the given size, value = index * step + offset.
std::string Ramp(int count, int bytesPerSample, double step, double offset)
{
    std::string data;
    for (int i = 0; i < count; ++i) {
        const double value = i * step + offset;
        char bytes[4];
        if (bytesPerSample == 4) {
            const float f = static_cast<float>(value);
            std::memcpy(bytes, &f, 4);
        } else {
            const auto v = static_cast<uint32_t>(static_cast<int32_t>(value));
            for (int k = 0; k < 4; ++k) bytes[k] = static_cast<char>((v >> (8 * k)) & 0xFF);
        }
        data.append(bytes, static_cast<size_t>(bytesPerSample));
    }
    return data;
}

int32_t HeightAt(const std::string& tga, int x, int y)
{
    const int width = static_cast<uint8_t>(tga[12]) | static_cast<uint8_t>(tga[13]) << 8;
    return DecodeElevation(reinterpret_cast<const uint8_t*>(tga.data()) + 18 + 3 * (x + y * width));
}

TEST(BinaryCli, SharedTwentyByTwentyHeadersConvertWholeRasters)
{
    VISTAGON_REQUIRE_SHARED_DATA();
    TempDir dir;
    struct Case {
        const char* header;
        int bytes;
    };
    for (const Case& c : {Case{"int16_rat.hdr", 2}, Case{"float32.hdr", 4}, Case{"truncated.hdr", 1}}) {
        const std::string source = dir.File("in.bin"), target = dir.File("out.tga");
        WriteFileBytes(source, Ramp(400, c.bytes, 0.5, 0.0));
        const auto result = RunCli({"--profile", dir.File("p.ini"), "import", "binary", SharedHeader(c.header), source,
                                    target, "--zscale", "2"});
        ASSERT_EQ(result.status, 0) << c.header << result.err;
        const std::string tga = ReadFileBytes(target);
        ASSERT_EQ(tga.size(), 18u + 20 * 20 * 3) << c.header;
        // The last file row is the bottom row; its last sample is number 399.
        EXPECT_EQ(HeightAt(tga, 19, 0), c.bytes == 4 ? 399 : 398) << c.header;  // 199.5 or 199, times 2
        EXPECT_EQ(HeightAt(tga, 0, 19), 0) << c.header;
        EXPECT_NE(result.err.find("Range of elevations written to the output file:\nminimum 0.000000\n"), std::string::npos);
    }
}

TEST(BinaryCli, WorldHeaderWithNodataAndNegativeOptionValues)
{
    VISTAGON_REQUIRE_SHARED_DATA();
    TempDir dir;
    const std::string source = dir.File("tmin.bil"), target = dir.File("tmin.tga");
    std::string data = Ramp(2160 * 900, 2, 0.0, 12.0);
    data[0] = static_cast<char>(0xF1);  // -9999, little-endian
    data[1] = static_cast<char>(0xD8);
    WriteFileBytes(source, data);

    // The whole raster: the no-data sample in the upper-left corner becomes 0.
    auto whole = RunCli({"--profile", dir.File("p.ini"), "import", "binary", SharedHeader("wc_10m_CCCMA_A2a_2020_tmin_9.hdr"),
                         source, target, "--zscale", "1"});
    ASSERT_EQ(whole.status, 0) << whole.err;
    std::string tga = ReadFileBytes(target);
    ASSERT_EQ(tga.size(), 18u + 2160 * 900 * 3);
    EXPECT_EQ(HeightAt(tga, 0, 899), 0);
    EXPECT_EQ(HeightAt(tga, 1, 899), 12);

    // A 1 x 1 degree corner region, options before the files, negative values,
    // the sample kept: 6 x 6 pixels of 1/6 degree.
    auto corner = RunCli({"--profile", dir.File("p.ini"), "import", "binary", "--keep-nodata", "--ulx",
                          "-179.9166666666667", "--extent-x", "1", "--uly", "89.91666666666667", "--extent-y", "1",
                          "--zscale", "-2", SharedHeader("wc_10m_CCCMA_A2a_2020_tmin_9.hdr"), source, target});
    ASSERT_EQ(corner.status, 0) << corner.err;
    tga = ReadFileBytes(target);
    ASSERT_EQ(tga.size(), 18u + 6 * 6 * 3);
    EXPECT_EQ(HeightAt(tga, 0, 5), 19998);
    EXPECT_EQ(HeightAt(tga, 5, 0), -24);
}

TEST(BinaryCli, HeadersWithoutPlacementFailWithTheirList)
{
    VISTAGON_REQUIRE_SHARED_DATA();
    TempDir dir;
    WriteFileBytes(dir.File("in.bin"), std::string(321 * 2 * 4, '\0'));
    for (const char* header : {"ehdr10.hdr", "ehdr11.hdr"}) {
        const auto result = RunCli({"--profile", dir.File("p.ini"), "import", "binary", SharedHeader(header),
                                    dir.File("in.bin"), dir.File("out.tga")});
        EXPECT_EQ(result.status, 1) << header;
        EXPECT_EQ(result.err.rfind(msg::kHeaderErrors.text, 0), 0u) << result.err;
        EXPECT_NE(result.err.find(msg::kHeaderUlX.text), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.tga")));
    }
}

TEST(BinaryCli, SizeQuestionNeedsYesAndUsageErrorsExitTwo)
{
    TempDir dir;
    const std::string header = dir.File("h.hdr"), source = dir.File("in.bin"), target = dir.File("out.tga");
    WriteFileBytes(header, "nrows 2\nncols 2\nnbits 16\nulxmap 0\nulymap 0\nxdim 1\nydim 1\n");
    WriteFileBytes(source, std::string(6, '\x01'));
    const auto no = RunCli({"--profile", dir.File("p.ini"), "import", "binary", header, source, target});
    EXPECT_EQ(no.status, 1);
    EXPECT_NE(no.err.find(msg::kSizeMismatch.text), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(target));

    const auto yes = RunCli({"--profile", dir.File("p.ini"), "--yes", "import", "binary", header, source, target});
    EXPECT_EQ(yes.status, 0) << yes.err;
    EXPECT_EQ(ReadFileBytes(target).size(), 18u + 12);

    EXPECT_EQ(RunCli({"import", "binary", header, source}).status, 2);
    EXPECT_EQ(RunCli({"import", "binary", header, source, target, "--zscale", "high"}).status, 2);

    const auto absent = RunCli({"--profile", dir.File("p.ini"), "import", "binary", dir.File("none.hdr"), source, target});
    EXPECT_EQ(absent.status, 1);
    EXPECT_NE(absent.err.find("Cannot open file '" + dir.File("none.hdr") + "'."), std::string::npos);
}

}  // namespace
}  // namespace vistagon
