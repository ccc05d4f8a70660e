#include "render/FrameRenderer.h"

#include "RenderFixture.h"
#include "render/Projector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace vistagon {
namespace {

using test::TestContext;

constexpr int kSize = 96;

// Level ground lit from straight above without haze, so every pixel shows its texel unchanged.
struct TexturedGround {
    TestContext t;
    std::unique_ptr<ElevationGrid> grid = test::MakeElevation(t.context, 64, 64, [](int, int) { return 0; });
    std::unique_ptr<CTGAFile> texture;
    std::unique_ptr<CTGAFile> output = test::MakeImage(t.context, kSize, kSize, [](int, int) { return Bgr{}; });
    RenderSettings settings = test::SettingsFor(*grid, kSize, kSize, 32);
    std::unique_ptr<Projector> projector;

    TexturedGround(int textureSize, const std::function<Bgr(int, int)>& texel, double height, bool highQuality)
        : texture(test::MakeImage(t.context, textureSize, textureSize, texel))
    {
        settings.highQuality = highQuality;
        projector = std::make_unique<Projector>(t.context, settings.light, kSize, kSize);
        projector->SetTexture(texture.get());
        projector->SetCamera(test::LookingDown(32, 32, height, 120));
        FrameRenderer renderer(t.context, *projector, settings);
        EXPECT_EQ(renderer.RenderFrame(*output, t.dir.File("t.tga"), 1e300), FrameOutcome::Saved);
    }
    // Where the ray through picture position (x, y) meets the ground.
    Vec4 GroundUnder(int x, int y) const
    {
        Vec4 hit;
        projector->HitPlane(x, y, Vec4::Point(0, 0, 0), Vec4::Point(1, 0, 0), Vec4::Point(0, 1, 0), hit);
        return hit;
    }
    Bgr Pixel(int x, int y) const { return output->GetPixel(x, kSize - y); }
};

Bgr Coordinates(int x, int y)
{
    return Bgr{static_cast<uint8_t>(4 * x), static_cast<uint8_t>(4 * y), 100};
}

TEST(TextureLookupTest, NearestShowsTheTexelUnderThePixelAndTheOutOfRangeColourBeyondIt)
{
    TexturedGround scene(40, Coordinates, 60, false);
    int beyond = 0;
    for (int y = 4; y < kSize; y += 7) {
        for (int x = 3; x < kSize; x += 7) {
            const Vec4 ground = scene.GroundUnder(x, y);
            const int column = static_cast<int>(ground.x), row = static_cast<int>(ground.y);
            if (column < 40 && row < 40) {
                EXPECT_EQ(scene.Pixel(x, y), Coordinates(column, row)) << x << "," << y;
            } else {
                EXPECT_EQ(scene.Pixel(x, y), scene.texture->background()) << x << "," << y;
                ++beyond;
            }
        }
    }
    EXPECT_GT(beyond, 10) << "the picture reaches past the texture";
}

std::set<int> BlueLevels(const TexturedGround& scene)
{
    std::set<int> levels;
    for (int y = 1; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const Vec4 ground = scene.GroundUnder(x, y);
            if (ground.x > 4 && ground.x < 60 && ground.y > 4 && ground.y < 60) levels.insert(scene.Pixel(x, y).b);
        }
    }
    return levels;
}

TEST(TextureLookupTest, HighQualityAveragesFivePointsWhereThePixelSpansSeveralTexels)
{
    // One-texel stripes seen from far away: five texels per pixel.
    const auto checker = [](int x, int) { return x % 2 ? Bgr{255, 255, 255} : Bgr{0, 0, 0}; };
    TexturedGround nearest(64, checker, 600, false);
    TexturedGround filtered(64, checker, 600, true);
    EXPECT_EQ(BlueLevels(nearest), (std::set<int>{0, 255}));
    const std::set<int> levels = BlueLevels(filtered);
    ASSERT_FALSE(levels.empty());
    for (int level : levels) {
        EXPECT_EQ(level % 51, 0) << level << " is no average of five texels";
        EXPECT_TRUE(level != 0 && level != 255) << "five samples across stripes are never all alike";
    }
}

TEST(TextureLookupTest, HighQualitySmoothsMagnifiedTexels)
{
    // A black and white half seen from close by: many pixels per texel.
    const auto halves = [](int x, int) { return x < 32 ? Bgr{0, 0, 0} : Bgr{255, 255, 255}; };
    TexturedGround nearest(64, halves, 5, false);
    TexturedGround filtered(64, halves, 5, true);
    EXPECT_EQ(BlueLevels(nearest), (std::set<int>{0, 255}));
    EXPECT_GT(BlueLevels(filtered).size(), 20u) << "a Gaussian ramp across the edge";
}

}  // namespace
}  // namespace vistagon
