#include "render/TriangleRaster.h"

#include "RenderFixture.h"
#include "render/Projector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace vistagon {
namespace {

using test::TestContext;

constexpr int kWidth = 40;
constexpr int kHeight = 30;
const Bgr kUnpainted{1, 2, 3};
const Vec4 kUp = Vec4::Direction(0, 0, 1);
const Vec4 kDown = Vec4::Direction(0, 0, -1);

struct RasterScene {
    TestContext t;
    std::unique_ptr<CTGAFile> image = test::MakeImage(t.context, kWidth, kHeight, [](int, int) { return kUnpainted; });
    Projector projector{t.context, kUp, kWidth, kHeight};
    PixelCoverage coverage = Fresh();
    TriangleRaster raster{*image, projector, kUp, kWidth, kHeight, false, coverage};

    static PixelCoverage Fresh()
    {
        PixelCoverage fresh;
        fresh.Reset(kWidth, kHeight);
        return fresh;
    }
    Vec4 point = Vec4::Point(0, 0, 0);

    void Draw(int x0, int y0, int x1, int y1, int x2, int y2, const Vec4& normal, double fog = 0.0)
    {
        RasterVertex v[3] = {{x0, y0, &point, &normal}, {x1, y1, &point, &normal}, {x2, y2, &point, &normal}};
        raster.Draw(v, fog);
    }
    // Picture rows grow downward and land on image row height - Y.
    Bgr At(int x, int y) const { return image->GetPixel(x, kHeight - y); }
    int Painted() const
    {
        int count = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (!(image->GetPixel(x, y) == kUnpainted)) ++count;
        return count;
    }
};

TEST(TriangleRasterTest, FillsTheTriangleAndLightsItWhiteFromAbove)
{
    RasterScene scene;
    scene.Draw(5, 5, 15, 5, 5, 15, kUp);
    EXPECT_EQ(scene.At(5, 5), (Bgr{255, 255, 255}));
    EXPECT_EQ(scene.At(6, 10), (Bgr{255, 255, 255}));
    EXPECT_EQ(scene.At(5, 15), (Bgr{255, 255, 255}));
    EXPECT_EQ(scene.At(14, 14), kUnpainted) << "beyond the hypotenuse";
    EXPECT_EQ(scene.At(4, 10), kUnpainted);
    // Rows 5..15 with spans 11, 10, ..., 1 pixels.
    EXPECT_EQ(scene.Painted(), 66);
}

TEST(TriangleRasterTest, SurfacesFacingAwayShowOnlyTheHaze)
{
    RasterScene scene;
    scene.Draw(5, 5, 15, 5, 5, 15, kDown);
    EXPECT_EQ(scene.At(6, 6), (Bgr{0, 0, 0})) << "no fog: black";
    scene.Draw(20, 5, 30, 5, 20, 15, kDown, 0.5);
    EXPECT_EQ(scene.At(21, 6), (Bgr{127, 127, 127})) << "trunc(0.5 * 1 * 255)";
    scene.Draw(20, 16, 30, 16, 20, 26, kUp, 0.5);
    EXPECT_EQ(scene.At(21, 17), (Bgr{254, 254, 254})) << "trunc(255 * 0.5) + 127";
}

TEST(TriangleRasterTest, DegenerateTrianglesStillDrawAColumn)
{
    RasterScene scene;
    scene.Draw(8, 3, 8, 9, 8, 20, kUp);
    EXPECT_EQ(scene.Painted(), 18);
    for (int y = 3; y <= 20; ++y) EXPECT_EQ(scene.At(8, y), (Bgr{255, 255, 255})) << y;
}

TEST(TriangleRasterTest, NormalsAreInterpolatedAcrossTheSpan)
{
    RasterScene scene;
    const Vec4 tilted = Vec4::Direction(1, 0, 0);
    RasterVertex v[3] = {{0, 10, &scene.point, &kUp}, {30, 10, &scene.point, &tilted}, {0, 20, &scene.point, &kUp}};
    scene.raster.Draw(v, 0.0);
    EXPECT_EQ(scene.At(0, 10).b, 255);
    EXPECT_GT(scene.At(10, 10).b, scene.At(20, 10).b);
    EXPECT_GT(scene.At(20, 10).b, scene.At(29, 10).b);
}

// Triangles come nearest first: a pixel keeps the first colour it gets.
TEST(TriangleRasterTest, APixelKeepsTheFirstTriangleThatReachesIt)
{
    RasterScene scene;
    scene.Draw(5, 5, 15, 5, 5, 15, kUp);  // white
    scene.Draw(0, 0, 30, 0, 0, 30, kDown);  // black, behind and around it
    EXPECT_EQ(scene.At(6, 6), (Bgr{255, 255, 255}));
    EXPECT_EQ(scene.At(5, 15), (Bgr{255, 255, 255}));
    EXPECT_EQ(scene.At(20, 2), (Bgr{0, 0, 0})) << "where the first one did not reach";
    scene.Draw(6, 6, 8, 6, 6, 8, kDown, 1.0);  // wholly behind the white one
    EXPECT_EQ(scene.At(6, 6), (Bgr{255, 255, 255}));
    EXPECT_EQ(scene.At(7, 6), (Bgr{255, 255, 255}));
}

TEST(TriangleRasterTest, ClipsToThePictureAndIgnoresTrianglesBesideIt)
{
    RasterScene scene;
    scene.Draw(-50, -40, 100, 5, -20, 90, kUp);  // covers the whole picture and more
    EXPECT_EQ(scene.Painted(), kWidth * kHeight);

    RasterScene beside;
    beside.Draw(-30, 5, -10, 5, -20, 20, kUp);
    beside.Draw(kWidth + 1, 5, kWidth + 20, 5, kWidth + 5, 20, kUp);
    beside.Draw(5, -20, 15, -20, 10, -1, kUp);
    EXPECT_EQ(beside.Painted(), 0) << "nothing leaks onto the picture's edges";
}

// Bounds answered taken hide every triangle whose corners round down within
// them, wherever it lies; bounds reaching off the picture count only what is on it.
TEST(TriangleRasterTest, TakenBoundsHideEveryTriangleWithin)
{
    RasterScene scene;
    scene.Draw(-10, 2, 50, 2, 20, 40, kUp);
    scene.Draw(0, 25, 40, 18, 10, 31, kUp);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> across(-8.0, kWidth + 8.0), down(-8.0, kHeight + 8.0), share(0.0, 1.0);
    int taken = 0, open = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        double minX = across(random), maxX = minX + 12 * share(random);
        double minY = down(random), maxY = minY + 12 * share(random);
        if (!scene.raster.BoundsTaken(minX, maxX, minY, maxY)) {
            ++open;
            continue;
        }
        ++taken;
        const auto corner = [&](int& x, int& y) {
            x = static_cast<int>(std::floor(minX + (maxX - minX) * share(random)));
            y = static_cast<int>(std::floor(minY + (maxY - minY) * share(random)));
        };
        int x[3], y[3];
        for (int k = 0; k < 3; ++k) corner(x[k], y[k]);
        const int before = scene.Painted();
        scene.Draw(x[0], y[0], x[1], y[1], x[2], y[2], kDown);
        ASSERT_EQ(scene.Painted(), before) << x[0] << "," << y[0] << " " << x[1] << "," << y[1] << " " << x[2] << ","
                                           << y[2];
    }
    EXPECT_GT(taken, 100);
    EXPECT_GT(open, 100);
}

}  // namespace
}  // namespace vistagon
