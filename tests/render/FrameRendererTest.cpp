#include "render/FrameRenderer.h"

#include "RenderFixture.h"
#include "render/Projector.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vistagon {
namespace {

using test::TestContext;

constexpr int kSize = 128;
constexpr uint32_t kSkyColour = 0x004080;  // as the scene stores it: red 0x80, green 0x40, blue 0
const Bgr kSky{0x00, 0x40, 0x80};

// A 64 x 64 level terrain cut into 16 x 16 cells of 4 units, seen from 60 units
// above at 2 pixels per unit: the picture spans 64 units around the camera.
struct TopDownScene {
    TestContext t;
    std::unique_ptr<ElevationGrid> grid = test::MakeElevation(t.context, 64, 64, [](int, int) { return 0; });
    std::unique_ptr<CTGAFile> output = test::MakeImage(t.context, kSize, kSize, [](int, int) { return Bgr{}; });
    RenderSettings settings = test::SettingsFor(*grid, kSize, kSize, 16);
    std::string file = t.dir.File("frame.tga");

    TopDownScene() { settings.useBackground = true, settings.backgroundColour = kSkyColour; }

    FrameOutcome Render(double x, double y)
    {
        Projector projector(t.context, settings.light, kSize, kSize);
        projector.SetCamera(test::LookingDown(x, y, 60, 120));
        FrameRenderer renderer(t.context, projector, settings);
        return renderer.RenderFrame(*output, file, 1e9);
    }
    // Whether the cell (i, j) shows terrain at its centre; the camera at (cx, cy).
    bool Drawn(int i, int j, double cx, double cy) const
    {
        const int column = static_cast<int>(kSize / 2 + 2 * (4 * i + 2 - cx));
        const int row = kSize - static_cast<int>(kSize / 2 - 2 * (4 * j + 2 - cy));
        return !(output->GetPixel(column, row) == kSky);
    }
    // Cells whose centre lies inside the picture.
    static bool InView(int i, int j, double cx, double cy)
    {
        return std::abs(4 * i + 2 - cx) < 30 && std::abs(4 * j + 2 - cy) < 30;
    }
};

TEST(FrameRendererTest, LevelGroundLitFromAboveIsWhiteAndTheSkyKeepsItsColour)
{
    TopDownScene scene;
    scene.settings.light = Vec4::Direction(0, 0, 1);
    scene.settings.mode = RenderMode::Final;
    // Near enough for no haze at all.
    Projector projector(scene.t.context, scene.settings.light, kSize, kSize);
    projector.SetCamera(test::LookingDown(60, 60, 60, 120));
    FrameRenderer renderer(scene.t.context, projector, scene.settings);
    ASSERT_EQ(renderer.RenderFrame(*scene.output, scene.file, 1e300), FrameOutcome::Saved);
    EXPECT_EQ(scene.output->GetPixel(10, 10), (Bgr{255, 255, 255}));
    EXPECT_EQ(scene.output->GetPixel(120, 120), kSky) << "beyond the terrain's far corner";
    EXPECT_GT(renderer.statistics().trianglesDrawn, 0);
    EXPECT_TRUE(std::filesystem::exists(scene.file));
}

TEST(FrameRendererTest, DefaultBackgroundIsTheGreyOfTheLightsHeight)
{
    const struct {
        Vec4 light;
        uint8_t grey;
    } cases[] = {{{0, 0, 1, 0}, 255}, {{0, 0, -1, 0}, 255}, {{1, 0, 0, 0}, 0}, {{0, 0.8, 0.6, 0}, 153}};
    for (const auto& c : cases) {
        TopDownScene scene;
        scene.settings.useBackground = false;
        scene.settings.light = c.light;
        // Looking up into the sky: nothing but background.
        Projector projector(scene.t.context, c.light, kSize, kSize);
        FrameCamera camera = test::LookingDown(30, 30, 60, 120);
        camera.pitch = 45;
        projector.SetCamera(camera);
        FrameRenderer renderer(scene.t.context, projector, scene.settings);
        ASSERT_EQ(renderer.RenderFrame(*scene.output, scene.file, 1e9), FrameOutcome::Saved);
        EXPECT_EQ(scene.output->GetPixel(64, 64), (Bgr{c.grey, c.grey, c.grey})) << c.light.x << c.light.y << c.light.z;
    }
}

TEST(FrameRendererTest, FinalDrawsEveryCellInView)
{
    for (const auto& [cx, cy] : {std::pair{30.0, 30.0}, {1.5, 30.0}, {30.0, 1.5}, {1.5, 1.5}}) {
        TopDownScene scene;
        ASSERT_EQ(scene.Render(cx, cy), FrameOutcome::Saved);
        for (int j = 0; j < 16; ++j)
            for (int i = 0; i < 16; ++i)
                if (scene.InView(i, j, cx, cy)) {
                    EXPECT_TRUE(scene.Drawn(i, j, cx, cy)) << i << "," << j << " camera " << cx << "," << cy;
                }
    }
}

TEST(FrameRendererTest, RawLeavesEverySecondQuadrantRowAndColumnButCompletesTheObserversCross)
{
    TopDownScene scene;
    scene.settings.mode = RenderMode::Raw;
    ASSERT_EQ(scene.Render(30, 30), FrameOutcome::Saved);
    const int observer = 7;  // the camera's cell column and row
    int quadrantCells = 0, quadrantDrawn = 0;
    for (int j = 0; j < 15; ++j) {
        for (int i = 0; i < 15; ++i) {
            if (!scene.InView(i, j, 30, 30)) continue;
            if (i == observer || j == observer) {
                EXPECT_TRUE(scene.Drawn(i, j, 30, 30)) << i << "," << j;
                continue;
            }
            ++quadrantCells;
            if (!scene.Drawn(i, j, 30, 30)) continue;
            ++quadrantDrawn;
            // No two neighbours inside a quadrant are both drawn.
            if (i + 1 != observer) {
                EXPECT_FALSE(scene.Drawn(i + 1, j, 30, 30)) << i << "," << j;
            }
            if (j + 1 != observer) {
                EXPECT_FALSE(scene.Drawn(i, j + 1, 30, 30)) << i << "," << j;
            }
        }
    }
    EXPECT_NEAR(static_cast<double>(quadrantDrawn) / quadrantCells, 0.25, 0.05);
}

TEST(FrameRendererTest, CancelInsideAFrameSavesNothing)
{
    TopDownScene scene;
    scene.t.ui.cancelAfterPumps = 20;
    Projector projector(scene.t.context, scene.settings.light, kSize, kSize);
    projector.SetCamera(test::LookingDown(30, 30, 60, 120));
    FrameRenderer renderer(scene.t.context, projector, scene.settings);
    EXPECT_EQ(renderer.RenderFrame(*scene.output, scene.file, 1e9), FrameOutcome::Cancelled);
    EXPECT_FALSE(std::filesystem::exists(scene.file));
    // The quadrant passes stop at their next row; only the observer's row and column passes go on.
    EXPECT_LT(renderer.statistics().cellsVisited, 80);
}

TEST(FrameRendererTest, ShowsProgressAtEveryRowAndFinishesNearAHundred)
{
    TopDownScene scene;
    ASSERT_EQ(scene.Render(30, 30), FrameOutcome::Saved);
    const auto& texts = scene.t.ui.statusTexts;
    ASSERT_GT(texts.size(), 16u);
    EXPECT_EQ(texts.front(), "0%");
    int previous = 0;
    for (const std::string& text : texts) {
        ASSERT_EQ(text.back(), '%');
        const int value = std::stoi(text);
        EXPECT_GE(value, previous);
        previous = value;
    }
    // The region covers about 15 x 15 of the 17 x 17 counted cells.
    EXPECT_GT(previous, 70);
    EXPECT_LE(previous, 100);
}

TEST(FrameRendererTest, TheMaskIsAppliedBeforeSaving)
{
    TopDownScene scene;
    const Bgr black{0, 0, 0}, white{255, 255, 255}, grey{128, 128, 128}, blue{200, 10, 10};
    // Bottom row keys black, white, grey; then left third kept, a white band brightens, a grey band
    // darkens, a blue band replaces.
    auto mask = test::MakeImage(scene.t.context, kSize, kSize, [&](int x, int y) {
        if (y == 0 && x < 3) return x == 0 ? black : x == 1 ? white : grey;
        if (y < 32) return black;
        if (y < 64) return white;
        if (y < 96) return grey;
        return blue;
    });
    scene.settings.mask = mask.get();
    scene.settings.useBackground = true;
    scene.settings.backgroundColour = 0x808080;
    Projector projector(scene.t.context, scene.settings.light, kSize, kSize);
    FrameCamera camera = test::LookingDown(30, 30, 60, 120);
    camera.pitch = 45;  // nothing but sky
    projector.SetCamera(camera);
    FrameRenderer renderer(scene.t.context, projector, scene.settings);
    ASSERT_EQ(renderer.RenderFrame(*scene.output, scene.file, 1e9), FrameOutcome::Saved);

    CTGAFile saved(scene.t.context);
    ASSERT_TRUE(saved.OnOpenDocument(scene.file));
    EXPECT_EQ(saved.GetPixel(50, 10), (Bgr{128, 128, 128}));
    EXPECT_EQ(saved.GetPixel(50, 40), (Bgr{192, 192, 192}));
    EXPECT_EQ(saved.GetPixel(50, 70), (Bgr{64, 64, 64}));
    EXPECT_EQ(saved.GetPixel(50, 100), blue);
}

}  // namespace
}  // namespace vistagon
