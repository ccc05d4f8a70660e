#include "Commands.h"
#include "image/GeoreferenceFile.h"
#include "support/ScriptedInteraction.h"
#include "tools/ConvolutionJob.h"
#include "tools/ToolTestImages.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::TestContext;

Georeference Placed()
{
    Georeference g;
    g.transform = {500000.0, 30.0, 0.0, 4000000.0, 0.0, -30.0};
    g.wkt = "PROJCS[\"WGS 84 / UTM zone 33N\"]";
    g.axisMapping = "1,2";
    return g;
}

struct Tools {
    TestContext t;

    Tools()
    {
        test::WriteElevation(t.context, File("dem.tga"), 7, 5, [](int x, int y) { return 10 * x + y; });
        test::WriteImage(t.context, File("other.tga"), 7, 5, [](int, int) { return Bgr{1, 2, 3}; });
        test::WriteImage(t.context, File("kernel.tga"), 1, 1, [](int, int) { return Bgr{129, 129, 129}; });
        test::WriteImage(t.context, File("palette.tga"), 2, 1, [](int x, int) { return Bgr{0, 0, static_cast<uint8_t>(x)}; });
        EXPECT_TRUE(SaveGeoreference(t.context, File("dem.tga"), Placed()));
    }
    std::string File(const std::string& name) const { return t.dir.File(name); }
    int Run(std::vector<std::string> words, const char* kind = "tool")
    {
        words.insert(words.begin(), {"--profile", t.context.profile.path(), kind});
        return cli::RunCommandLine(words);
    }
    // A stale file beside the target, as an earlier run of another source leaves it.
    void StaleBeside(const std::string& target)
    {
        Georeference elsewhere = Placed();
        elsewhere.transform[0] = -1.0;
        EXPECT_TRUE(SaveGeoreference(t.context, target, elsewhere));
    }
};

TEST(ToolGeoreference, ToolsThatKeepTheGeometryCarryTheFirstSourcesPlace)
{
    Tools c;
    const std::string dem = c.File("dem.tga");
    const std::vector<std::vector<std::string>> runs = {
        {"elev-to-gray", dem, c.File("gray.tga")},
        {"elev-to-color", dem, c.File("color.tga"), "--palette", c.File("palette.tga")},
        {"gray-to-elev", dem, c.File("back.tga")},
        {"convolve", dem, c.File("sharp.tga"), "--matrix", c.File("kernel.tga")},
        {"merge", dem, c.File("other.tga"), c.File("merged.tga")},
        {"mask", dem, c.File("masked.tga"), "--mask", c.File("other.tga")},
        {"blue-zero", dem, c.File("points.tga")},
    };
    for (const auto& words : runs) {
        const std::string& target = words[2] == c.File("other.tga") ? words[3] : words[2];
        c.StaleBeside(target);
        ASSERT_EQ(c.Run(words), 0) << words[0];
        EXPECT_EQ(ReadGeoreference(target), Placed()) << words[0];
    }
    // The second file of a merge gives nothing: the first has no place, so neither has the result.
    const std::string merged = c.File("merged2.tga");
    c.StaleBeside(merged);
    ASSERT_EQ(c.Run({"merge", c.File("other.tga"), dem, merged}), 0);
    EXPECT_FALSE(std::filesystem::exists(GeoreferencePath(merged)));
}

TEST(ToolGeoreference, PointsGriddedFromAPictureLieWhereThePictureLies)
{
    Tools c;
    const std::string points = c.File("points.tga");
    test::WriteImage(c.t.context, points, 7, 5,
                     [](int x, int y) { return (x + y) % 3 == 0 ? Bgr{0, 10, 0} : Bgr{255, 255, 255}; });
    ASSERT_TRUE(SaveGeoreference(c.t.context, points, Placed()));
    const std::string grid = c.File("grid.tga");
    ASSERT_EQ(c.Run({"tga-irregular", points, grid}, "import"), 0);
    EXPECT_EQ(ReadGeoreference(grid), Placed());
}

TEST(ToolGeoreference, ResampleScalesFromTheTopRowAndRectifyDrops)
{
    Tools c;
    ASSERT_EQ(c.Run({"resample", c.File("dem.tga"), c.File("half.tga"), "--factor", "2"}), 0);
    const std::optional<Georeference> half = ReadGeoreference(c.File("half.tga"));
    ASSERT_TRUE(half);
    // 7 x 5 by 2 keeps the bottom four rows: GDAL's first source row is left over.
    EXPECT_EQ(half->transform, (std::array<double, 6>{500000.0, 60.0, 0.0, 3999970.0, 0.0, -60.0}));
    EXPECT_EQ(half->wkt, Placed().wkt);

    const std::string rectified = c.File("rectified.tga");
    c.StaleBeside(rectified);
    ASSERT_EQ(c.Run({"rectify", c.File("dem.tga"), rectified, "--elevation", "--target-corners", "0,0,7,0,7,5,0,5",
                     "--source-corners", "0,0,7,0,7,5,0,5"}),
              0);
    EXPECT_TRUE(std::filesystem::exists(rectified));
    EXPECT_FALSE(std::filesystem::exists(GeoreferencePath(rectified)));
}

TEST(ToolGeoreference, CancelledToolLeavesTheOldTargetAndItsPlace)
{
    Tools c;
    const std::string target = c.File("old.tga");
    ASSERT_EQ(c.Run({"elev-to-gray", c.File("other.tga"), target}), 0);
    c.StaleBeside(target);
    const std::string before = test::ReadFileBytes(GeoreferencePath(target));
    c.t.ui.cancelAfterPumps = 1;
    ConvolutionJob job(c.t.context, {c.File("dem.tga"), target, c.File("kernel.tga")});
    EXPECT_TRUE(job.Run());
    ASSERT_TRUE(job.WasCancelled());
    EXPECT_EQ(test::ReadFileBytes(GeoreferencePath(target)), before);
}

}  // namespace
}  // namespace vistagon
