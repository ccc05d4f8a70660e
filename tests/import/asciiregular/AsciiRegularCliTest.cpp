#include "image/ElevationEncoding.h"
#include "support/CliRunner.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vistagon {
namespace {

class AsciiRegularCli : public ::testing::Test {
protected:
    test::CliResult Import(std::vector<std::string> words)
    {
        words.insert(words.begin(), {"--profile", dir.File("p.ini"), "import", "ascii-regular"});
        return test::RunCli(words);
    }
    int32_t At(int x, int y) const
    {
        const std::string tga = test::ReadFileBytes(target);
        const int width = static_cast<uint8_t>(tga[12]) | static_cast<uint8_t>(tga[13]) << 8;
        return DecodeElevation(reinterpret_cast<const uint8_t*>(tga.data()) + 18 + 3 * (x + y * width));
    }

    test::TempDir dir;
    std::string source = dir.File("in.txt");
    std::string target = dir.File("out.tga");
};

TEST_F(AsciiRegularCli, WhatIsNotGivenComesFromTheScan)
{
    test::WriteFileBytes(source, "# x y z\n0 0 1\n10 0 2\n20 0 3\n0 5 4\n10 5 5\n20 5 6\n");
    const auto result = Import({source, target, "--skip", "1", "--zscale", "1", "--max-x", "10"});
    ASSERT_EQ(result.status, 0) << result.err;
    ASSERT_EQ(test::ReadFileBytes(target).substr(12, 4), std::string("\3\0\2\0", 4));
    // Three columns over 0 … 10: x = 10 falls on column 2, x = 20 beyond it.
    EXPECT_EQ(At(1, 1), 0);
    EXPECT_EQ(At(2, 1), 5);
    EXPECT_EQ(At(0, 0), 1);
}

TEST_F(AsciiRegularCli, NegativeOptionValuesAreTakenAsNumbers)
{
    test::WriteFileBytes(source, "-10 -5 1\n10 5 2\n0 0 3\n");
    const auto result = Import({source, target, "--min-x", "-10", "--max-x", "10", "--min-y", "-5", "--max-y", "5",
                                "--width", "3", "--height", "3", "--zscale", "-2"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(At(0, 0), -2);
    EXPECT_EQ(At(2, 2), -4);
    EXPECT_EQ(At(1, 1), -6);
}

TEST_F(AsciiRegularCli, ListedLinesAndFailuresGoToStderr)
{
    const auto absent = Import({source, target});
    EXPECT_EQ(absent.status, 1);
    EXPECT_NE(absent.err.find("Could not open file\n'" + source + "'.\nRetry?\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(target));

    test::WriteFileBytes(source, "0 0 1\n7\n1 1 2\n");
    const auto listed = Import({source, target});
    EXPECT_EQ(listed.status, 1);
    EXPECT_NE(listed.err.find("Line 2: only one item found.\n"), std::string::npos);
    EXPECT_EQ(listed.err.find("Line 2"), listed.err.rfind("Line 2"));  // the scan's list is not printed too
    EXPECT_TRUE(std::filesystem::exists(target));

    EXPECT_EQ(Import({source}).status, 2);
    EXPECT_EQ(Import({source, target, "--width", "wide"}).status, 2);
    EXPECT_EQ(Import({source, target, "--estimate", "3"}).status, 2);
}

}  // namespace
}  // namespace vistagon
