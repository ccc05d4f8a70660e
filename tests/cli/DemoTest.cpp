#include "DemoScenes.h"
#include "DemoTerrain.h"
#include "RenderProgressDisplay.h"
#include "image/CTGAFile.h"
#include "image/ElevationEncoding.h"
#include "support/ScriptedInteraction.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace vistagon::cli {
namespace {

using test::ReadFileBytes;
using test::TestContext;

TEST(DemoTerrain, IsRepeatableAndHasRelief)
{
    const DemoTerrain a(5, 7), b(5, 7), other(5, 8);
    ASSERT_EQ(a.size(), 33);
    int low = DemoTerrain::kPeak, high = 0, sea = 0, differences = 0;
    for (int y = 0; y < a.size(); ++y) {
        for (int x = 0; x < a.size(); ++x) {
            EXPECT_EQ(a.At(x, y), b.At(x, y));
            differences += a.At(x, y) != other.At(x, y);
            low = std::min(low, a.At(x, y));
            high = std::max(high, a.At(x, y));
            sea += a.At(x, y) == a.seaLevel();
        }
    }
    EXPECT_GT(differences, 100);
    EXPECT_EQ(low, a.seaLevel());
    EXPECT_EQ(high, DemoTerrain::kPeak);
    EXPECT_GT(sea, 0);
}

TEST(DemoTerrain, FilesHoldTheHeightsAndTheMaskKeys)
{
    TestContext t;
    const DemoTerrain terrain(4, 3);
    ASSERT_TRUE(terrain.WriteElevation(t.context, t.dir.File("e.tga")));
    ASSERT_TRUE(WriteDemoMask(t.context, t.dir.File("m.tga"), 40, 30));
    CTGAFile elevation(t.context), mask(t.context);
    ASSERT_TRUE(elevation.OnOpenDocument(t.dir.File("e.tga")));
    EXPECT_EQ(DecodeElevation(elevation.GetPixel(5, 9)), terrain.At(5, 9));
    ASSERT_TRUE(mask.OnOpenDocument(t.dir.File("m.tga")));
    const Bgr keep = mask.GetPixel(0, 0), brighten = mask.GetPixel(1, 0), darken = mask.GetPixel(2, 0);
    EXPECT_TRUE(keep != brighten && brighten != darken && keep != darken);
    EXPECT_EQ(mask.GetPixel(20, 15), keep);
    EXPECT_EQ(mask.GetPixel(0, 12), darken);
    EXPECT_EQ(mask.GetPixel(39, 12), darken);
    EXPECT_EQ(mask.GetPixel(4, 12), brighten);
}

TEST(DemoScenes, ExamplesAreTheScenesTheDemoWrites)
{
    TestContext t;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(t.dir.path());
    for (const char* name : {kDemoTerrain, kDemoTexture, kDemoMask}) test::WriteFileBytes(name, "x");
    const bool saved = SaveDemoScenes(t.context);
    std::filesystem::current_path(previous);
    ASSERT_TRUE(saved) << (t.ui.shown.empty() ? "" : t.ui.shown.front().text);
    const std::filesystem::path examples = std::filesystem::path(VISTAGON_TEST_DATA) / ".." / ".." / "examples";
    for (const char* scene : {kDemoStillScene, kDemoFlightScene}) {
        const std::string expected = ReadFileBytes((examples / scene).string());
        ASSERT_FALSE(expected.empty()) << scene;
        EXPECT_EQ(ReadFileBytes(t.dir.File(scene)), expected) << scene;
    }
}

TEST(RenderProgressDisplay, EstimatesWhatIsLeft)
{
    EXPECT_EQ(RenderProgressDisplay::Remaining(10.0, 0.5), "10s");
    EXPECT_EQ(RenderProgressDisplay::Remaining(30.0, 0.25), "1m30s");
    EXPECT_EQ(RenderProgressDisplay::Remaining(3.0, 0.001), "?");
    EXPECT_EQ(RenderProgressDisplay::Remaining(3.0, 1.0), "0s");
}

}  // namespace
}  // namespace vistagon::cli
