#include "Commands.h"
#include "support/ScriptedInteraction.h"
#include "tools/ToolTestImages.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::ReadPicture;
using test::TestContext;

struct CommandLineCase {
    TestContext t;

    int Run(std::vector<std::string> words)
    {
        words.insert(words.begin(), {"--profile", t.context.profile.path(), "tool"});
        return cli::RunCommandLine(words);
    }
    std::string File(const std::string& name) { return t.dir.File(name); }
    void Elevation(const std::string& name, int width, int height)
    {
        test::WriteElevation(t.context, File(name), width, height, [](int x, int y) { return 100 * x - 50 * y; });
    }
};

TEST(ToolCommandLine, ToolsRunAndMalformedWordsAreUsageErrors)
{
    CommandLineCase c;
    c.Elevation("in.tga", 6, 4);
    EXPECT_EQ(c.Run({"resample", c.File("in.tga"), c.File("half.tga"), "--factor", "2"}), 0);
    const auto half = ReadPicture(c.t.context, c.File("half.tga"));
    EXPECT_EQ(half.width, 3);
    EXPECT_EQ(half.height, 2);
    EXPECT_EQ(half.Height(1, 0), (200 + 300 + 150 + 250));

    EXPECT_EQ(c.Run({"resample", c.File("in.tga"), c.File("x.tga"), "--factor", "5"}), 2);
    EXPECT_EQ(c.Run({"resample", c.File("in.tga"), c.File("x.tga")}), 2);
    EXPECT_EQ(c.Run({"convolve", c.File("in.tga"), c.File("x.tga")}), 2);  // no --matrix
    EXPECT_EQ(c.Run({"elev-to-gray", c.File("in.tga"), c.File("x.tga"), "--zscale", "lots"}), 2);
    EXPECT_EQ(c.Run({"merge", c.File("in.tga"), c.File("x.tga")}), 2);
    EXPECT_EQ(c.Run({"no-such-tool"}), 2);
    EXPECT_FALSE(std::filesystem::exists(c.File("x.tga")));
}

TEST(ToolCommandLine, FailuresExitWithOne)
{
    CommandLineCase c;
    c.Elevation("in.tga", 4, 4);
    c.Elevation("mask.tga", 4, 3);
    EXPECT_EQ(c.Run({"mask", c.File("in.tga"), c.File("out.tga"), "--mask", c.File("mask.tga")}), 1);
    EXPECT_EQ(c.Run({"merge", c.File("in.tga"), c.File("in.tga"), c.File("out.tga"), "--bias1", "-300"}), 1);
    EXPECT_EQ(c.Run({"elev-to-gray", c.File("missing.tga"), c.File("out.tga")}), 1);
    EXPECT_FALSE(std::filesystem::exists(c.File("out.tga")));
}

TEST(ToolCommandLine, RectifyTakesNegativeCornersAndRemembersThem)
{
    CommandLineCase c;
    c.Elevation("in.tga", 8, 6);
    // Without corners the profile's all-zero values ask; unanswered, that is Cancel.
    EXPECT_EQ(c.Run({"rectify", c.File("in.tga"), c.File("zero.tga"), "--elevation"}), 1);
    EXPECT_FALSE(std::filesystem::exists(c.File("zero.tga")));

    ASSERT_EQ(c.Run({"rectify", c.File("in.tga"), c.File("a.tga"), "--elevation", "--target-corners",
                     "0,0,8,0,8,6,0,6", "--source-corners", "-1,0,7,0,7,6,-1,6"}),
              0);
    const auto a = ReadPicture(c.t.context, c.File("a.tga"));
    EXPECT_EQ(a.Height(0, 2), 0);              // x' = -1 lies outside
    EXPECT_EQ(a.Height(3, 2), 100 * 2 - 100);  // x' = 2 in the same row
    const std::string profile = test::ReadFileBytes(c.t.context.profile.path());
    EXPECT_NE(profile.find("x1'=-1.000000"), std::string::npos);
    EXPECT_NE(profile.find("y3=6.000000"), std::string::npos);

    // The remembered corners are the defaults of the next run.
    ASSERT_EQ(c.Run({"rectify", c.File("in.tga"), c.File("b.tga"), "--elevation"}), 0);
    EXPECT_EQ(test::ReadFileBytes(c.File("b.tga")), test::ReadFileBytes(c.File("a.tga")));

    EXPECT_EQ(c.Run({"rectify", c.File("in.tga"), c.File("c.tga"), "--source-corners", "1,2,3"}), 2);
}

TEST(ToolCommandLine, AYuvTargetIsWrittenAsYuv)
{
    CommandLineCase c;
    test::WriteImage(c.t.context, c.File("in.tga"), 6, 4, [](int x, int y) { return Bgr{uint8_t(x * 40), uint8_t(y * 60), 9}; });
    ASSERT_EQ(c.Run({"elev-to-gray", c.File("in.tga"), c.File("out.yuv"), "--zscale", "0.001"}), 0);
    EXPECT_EQ(test::ReadFileBytes(c.File("out.yuv")).size(), 6u * 4u * 3u / 2u);
    EXPECT_FALSE(std::filesystem::exists(c.File("out.tga")));
}

}  // namespace
}  // namespace vistagon
