#include "render/HiddenBlocks.h"

#include "RenderFixture.h"
#include "render/FrameRenderer.h"
#include "render/Projector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace vistagon {
namespace {

using test::TestContext;

constexpr int kWidth = 80;
constexpr int kHeight = 60;
constexpr int kNodes = 97;

// Rolling ground with a ridge across it at y = 40..44, so that much of the
// valley beyond lies hidden from the south.
int RidgeHeight(int x, int y)
{
    const int ridge = y >= 40 && y <= 44 ? 120 : 0;
    return static_cast<int>(30 * std::sin(x * 0.13) * std::cos(y * 0.09)) + ridge + (x * 7 + y * 13) % 5;
}

struct RidgeScene {
    TestContext t;
    std::unique_ptr<ElevationGrid> grid = test::MakeElevation(t.context, kNodes, kNodes, RidgeHeight);
    std::unique_ptr<CTGAFile> texture = test::MakeImage(t.context, 50, 50, [](int x, int y) {
        return Bgr{static_cast<uint8_t>(x * 5), static_cast<uint8_t>(y * 5), static_cast<uint8_t>((x ^ y) * 9)};
    });
    RenderSettings settings = test::SettingsFor(*grid, kWidth, kHeight, kNodes - 1);
    FrameStatistics statistics;

    RidgeScene()
    {
        settings.light = Vec4::Direction(-0.4, 0.5, 0.77);
        settings.light.Normalize();
        settings.texture = texture.get();
        settings.useBackground = true;
        settings.backgroundColour = 0x102030;
    }

    std::unique_ptr<CTGAFile> Render(const FrameCamera& camera, bool skipHidden)
    {
        auto picture = test::MakeImage(t.context, kWidth, kHeight, [](int, int) { return Bgr{}; });
        Projector projector(t.context, settings.light, kWidth, kHeight);
        projector.SetTexture(texture.get());
        projector.SetCamera(camera);
        FrameRenderer renderer(t.context, projector, settings);
        renderer.SetSkipHiddenBlocks(skipHidden);
        renderer.Clear(*picture);
        renderer.Draw(*picture, camera.dustDistance);
        statistics = renderer.statistics();
        return picture;
    }
};

FrameCamera Camera(double x, double y, double z, double heading, double pitch, double roll = 0)
{
    FrameCamera camera;
    camera.position = Vec4::Point(x, y, z);
    camera.heading = heading;
    camera.pitch = pitch;
    camera.roll = roll;
    camera.focalLength = 70;
    camera.dustDistance = 200;
    return camera;
}

int DifferingPixels(const CTGAFile& a, const CTGAFile& b)
{
    int differing = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) differing += a.GetPixel(x, y) == b.GetPixel(x, y) ? 0 : 1;
    return differing;
}

// From beyond the southern and eastern edges, inside with a roll, straight
// down, and skimming the ground (blocks beside and behind the eye); heights
// raised, and turned upside down by a negative z scale; lattices coarser and
// finer than the nodes; Final and Raw, HQ off and on.
TEST(HiddenBlocksTest, SkippingHiddenBlocksLeavesEveryPixelAsTheWalkDrawsIt)
{
    const FrameCamera cameras[] = {
        Camera(48.5, -20.5, 40, 0, -8),  Camera(30.5, 30.5, 80, 45, -20, 10), Camera(120.5, 50.5, 60, 270, -10),
        test::LookingDown(48.5, 48.5, 150, 40), Camera(48.5, 10.5, 3, 0, 4),
    };
    long skipped = 0;
    for (const double divisions : {96.0, 150.0, 40.0}) {
        for (const double zScale : {1.0, 3.0, -0.5}) {
            for (const bool raw : {false, true}) {
                for (size_t c = 0; c < std::size(cameras); ++c) {
                    RidgeScene scene;
                    scene.settings.divisionsX = scene.settings.divisionsY = divisions;
                    scene.settings.mode = raw ? RenderMode::Raw : RenderMode::Final;
                    scene.settings.highQuality = raw;
                    FrameCamera camera = cameras[c];
                    camera.zScale = zScale;
                    const auto walked = scene.Render(camera, false);
                    ASSERT_EQ(scene.statistics.cellsSkipped, 0);
                    const auto skipping = scene.Render(camera, true);
                    skipped += scene.statistics.cellsSkipped;
                    EXPECT_EQ(DifferingPixels(*walked, *skipping), 0)
                        << "camera " << c << ", " << divisions << " divisions, z scale " << zScale << ", raw " << raw;
                }
            }
        }
    }
    EXPECT_GT(skipped, 0);
}

// Seen from low in the south, most of the valley beyond the ridge is left out whole.
TEST(HiddenBlocksTest, TheValleyBehindARidgeIsLeftOutUnwalked)
{
    RidgeScene scene;
    const FrameCamera camera = Camera(48.5, -30.5, 25, 0, -4);
    const auto walked = scene.Render(camera, false);
    const long walkedTriangles = scene.statistics.trianglesDrawn;
    const auto skipping = scene.Render(camera, true);
    EXPECT_EQ(DifferingPixels(*walked, *skipping), 0);
    const long beyondRidge = 96 * (96 - 48);
    EXPECT_GT(scene.statistics.cellsSkipped, beyondRidge / 2);
    EXPECT_LT(scene.statistics.trianglesDrawn, walkedTriangles);
}

}  // namespace
}  // namespace vistagon
