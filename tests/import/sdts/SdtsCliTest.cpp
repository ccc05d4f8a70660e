#include "SdtsTransfer.h"

#include "image/ElevationEncoding.h"
#include "support/CliRunner.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vistagon {
namespace {

using test::RunCli;
using test::TempDir;

TEST(SdtsCli, ConvertsWithOptionsInAnyOrderAndNegativeValues)
{
    TempDir dir;
    const std::string source = dir.File("CEL0.DDF"), target = dir.File("out.tga");
    test::WriteFileBytes(source, test::CellModule({{1, 1, {-5, -32767, -32766, 9}}}));

    const auto result = RunCli({"--profile", dir.File("p.ini"), "import", "sdts", "--fill", "9", source, target,
                                "--void", "-5"});
    ASSERT_EQ(result.status, 0) << result.err;
    // The per-record "count/pass" texts become one percentage of the second pass.
    EXPECT_EQ(result.err, "100%\n");
    const std::string tga = test::ReadFileBytes(target);
    ASSERT_EQ(tga.size(), 18u + 12);
    const auto* cells = reinterpret_cast<const uint8_t*>(tga.data()) + 18;
    EXPECT_EQ(DecodeElevation(cells + 0), 0);
    EXPECT_EQ(DecodeElevation(cells + 3), -32767);
    EXPECT_EQ(DecodeElevation(cells + 6), -32766);
    EXPECT_EQ(DecodeElevation(cells + 9), 0);
}

TEST(SdtsCli, FailuresAndUsageErrorsHaveTheirExitStatus)
{
    TempDir dir;
    const std::string profile = dir.File("p.ini");
    const std::string source = dir.File("CEL0.DDF");
    test::WriteFileBytes(source, test::CatalogModule());

    const auto noCells = RunCli({"--profile", profile, "import", "sdts", source, dir.File("out.tga")});
    EXPECT_EQ(noCells.status, 1);
    EXPECT_NE(noCells.err.find("No raster cells found in '" + source + "'"), std::string::npos) << noCells.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.tga")));

    const auto missing = RunCli({"--profile", profile, "import", "sdts", dir.File("absent.ddf"), dir.File("out.tga")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Cannot open file '" + dir.File("absent.ddf") + "'."), std::string::npos) << missing.err;

    EXPECT_EQ(RunCli({"--profile", profile, "import", "sdts", source}).status, 2);
    EXPECT_EQ(RunCli({"--profile", profile, "import", "sdts", source, dir.File("o.tga"), "--void", "x"}).status, 2);
}

}  // namespace
}  // namespace vistagon
