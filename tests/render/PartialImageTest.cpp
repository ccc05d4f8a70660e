#include "render/FrameRenderer.h"

#include "RenderFixture.h"
#include "render/Projector.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vistagon {
namespace {

using test::TestContext;

constexpr int kQuarterWidth = 96;
constexpr int kQuarterHeight = 72;

int Hill(int x, int y)
{
    return static_cast<int>(20 + 12 * std::sin(x * 0.11) * std::cos(y * 0.07) + 8 * std::sin((x + 2 * y) * 0.05));
}

Bgr Checker(int x, int y)
{
    const uint8_t v = ((x / 8 + y / 8) % 2) ? 220 : 60;
    return Bgr{v, static_cast<uint8_t>(x * 2), static_cast<uint8_t>(y * 2)};
}

// One frame of the same oblique camera over a textured hilly terrain, as the
// whole picture at twice the size (quarter 0) or as one of its quarters.
std::unique_ptr<CTGAFile> RenderQuarter(int quarter, bool highQuality)
{
    TestContext t;
    t.context.profile.WriteInt("Settings", "Quarter", quarter);
    const int width = quarter == 0 ? 2 * kQuarterWidth : kQuarterWidth;
    const int height = quarter == 0 ? 2 * kQuarterHeight : kQuarterHeight;
    auto grid = test::MakeElevation(t.context, 100, 100, Hill);
    auto texture = test::MakeImage(t.context, 100, 100, Checker);
    auto output = test::MakeImage(t.context, width, height, [](int, int) { return Bgr{}; });
    RenderSettings settings = test::SettingsFor(*grid, width, height, 12);
    settings.light = Vec4::Direction(0.3, -0.4, 0.866);
    settings.highQuality = highQuality;

    Projector projector(t.context, settings.light, width, height);
    projector.SetTexture(texture.get());
    FrameCamera camera;
    camera.position = Vec4::Point(10, 5, 60);
    camera.heading = 40;
    camera.pitch = -28;
    camera.roll = 4;
    camera.focalLength = quarter == 0 ? 160 : 80;  // a quarter doubles it itself
    projector.SetCamera(camera);
    FrameRenderer renderer(t.context, projector, settings);
    EXPECT_EQ(renderer.RenderFrame(*output, t.dir.File("q.tga"), 500.0), FrameOutcome::Saved);
    return output;
}

// Quarters 1 and 2 on top, 3 and 4 below (image rows count upward).
TEST(PartialImageTest, FourQuartersAssembleIntoThePictureOfTwiceTheSize)
{
    for (bool highQuality : {false, true}) {
        const auto whole = RenderQuarter(0, highQuality);
        int differing = 0;
        for (int quarter = 1; quarter <= 4; ++quarter) {
            const auto part = RenderQuarter(quarter, highQuality);
            const int left = (quarter == 2 || quarter == 4) ? kQuarterWidth : 0;
            const int bottom = quarter <= 2 ? kQuarterHeight : 0;
            for (int y = 0; y < kQuarterHeight; ++y)
                for (int x = 0; x < kQuarterWidth; ++x)
                    if (!(part->GetPixel(x, y) == whole->GetPixel(left + x, bottom + y))) ++differing;
        }
        const int pixels = 4 * kQuarterWidth * kQuarterHeight;
        EXPECT_LT(differing, pixels / 500) << "high quality " << highQuality << ": " << differing << " of " << pixels;
    }
}

}  // namespace
}  // namespace vistagon
