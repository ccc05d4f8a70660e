#include "image/ElevationEncoding.h"
#include "support/CliRunner.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vistagon {
namespace {

const char* const kFourByTwo =
    "MEM001.................  4  2\n"
    "053945001  -20  -20  300  400\n"
    "053945001    5    0    7    8\n";

class JapanCli : public ::testing::Test {
protected:
    test::CliResult Import(std::vector<std::string> words)
    {
        words.insert(words.begin(), {"--profile", dir.File("p.ini"), "import", "japan"});
        return test::RunCli(words);
    }

    test::TempDir dir;
    std::string source = dir.File("in.mem");
};

TEST_F(JapanCli, NegativeVoidValueCountOnStderrAndYuvTarget)
{
    test::WriteFileBytes(source, kFourByTwo);
    const std::string target = dir.File("out.tga");
    const auto result = Import({source, target, "--void", "-20"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find("Total of positive non-zero elevations: 5\n"), std::string::npos);
    const std::string tga = test::ReadFileBytes(target);
    EXPECT_EQ(DecodeElevation(reinterpret_cast<const uint8_t*>(tga.data()) + 18 + 3 * 4), 0);  // (0, 1)
    EXPECT_EQ(DecodeElevation(reinterpret_cast<const uint8_t*>(tga.data()) + 18 + 3 * 7), 400);

    const std::string yuv = dir.File("out.yuv");
    ASSERT_EQ(Import({source, yuv}).status, 0);
    EXPECT_EQ(std::filesystem::file_size(yuv), 12u);  // 4 x 2 luma, two 2 x 1 chroma planes
}

TEST_F(JapanCli, FailuresAndUsageErrors)
{
    test::WriteFileBytes(source, "MEM001");
    const std::string target = dir.File("out.tga");
    const auto failed = Import({source, target});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("Failed to read width info.\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(target));

    EXPECT_EQ(Import({source, target, "--void"}).status, 2);
    EXPECT_EQ(Import({source, target, "--void", "1.5"}).status, 2);
    EXPECT_EQ(Import({source, target, "extra"}).status, 2);
}

}  // namespace
}  // namespace vistagon
