#include "image/CTGAFile.h"
#include "support/ScriptedInteraction.h"
#include "tools/RectifyJob.h"
#include "tools/ToolTestImages.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::Picture;
using test::ReadPicture;
using test::TestContext;
using test::WriteElevation;
using test::WriteImage;

// The picture's corners, each source corner moved by (dx, dy) picture units.
RectifyCorners Shifted(double width, double height, double dx, double dy)
{
    RectifyCorners corners;
    corners.output = {CornerPoint{0, 0}, CornerPoint{width, 0}, CornerPoint{width, height}, CornerPoint{0, height}};
    for (size_t k = 0; k < 4; ++k) corners.source[k] = {corners.output[k].x + dx, corners.output[k].y + dy};
    return corners;
}

int32_t Terrain(int x, int y)
{
    return (x * 7919 + y * 104729) % 2000001 - 1000000;  // negative and positive heights
}

struct RectifyCase {
    TestContext t;

    bool Run(const RectifyCorners& corners, RectifyFileType type)
    {
        RectifyJob job(t.context, {t.dir.File("in.tga"), t.dir.File("out.tga"), corners, type});
        return job.Run();
    }
    Picture Out() { return ReadPicture(t.context, t.dir.File("out.tga")); }
};

TEST(Rectify, EqualCornersReproduceEveryHeight)
{
    RectifyCase c;
    WriteElevation(c.t.context, c.t.dir.File("in.tga"), 9, 6, Terrain);
    ASSERT_TRUE(c.Run(Shifted(9, 6, 0, 0), RectifyFileType::Elevation));
    const Picture out = c.Out();
    ASSERT_EQ(out.width, 9);
    ASSERT_EQ(out.height, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 9; ++x) EXPECT_EQ(out.Height(x, y), Terrain(x, y)) << x << "," << y;
    EXPECT_TRUE(c.t.ui.shown.empty());
}

TEST(Rectify, PixelsMappedOutsideTheSourceGetHeightZero)
{
    RectifyCase c;
    WriteElevation(c.t.context, c.t.dir.File("in.tga"), 6, 4, Terrain);
    // Two columns to the right and one row down in the picture (one row lower in the raster).
    ASSERT_TRUE(c.Run(Shifted(6, 4, 2, 1), RectifyFileType::Elevation));
    const Picture out = c.Out();
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool inside = x + 2 < 6 && y - 1 >= 0;
            EXPECT_EQ(out.Height(x, y), inside ? Terrain(x + 2, y - 1) : 0) << x << "," << y;
        }
    }
}

TEST(Rectify, HalfwayHeightsRoundToNearestAndTheLastColumnRepeatsItsEdge)
{
    RectifyCase c;
    const int32_t row[4] = {10, 21, -10, -20};
    WriteElevation(c.t.context, c.t.dir.File("in.tga"), 4, 1, [&](int x, int) { return row[x]; });
    ASSERT_TRUE(c.Run(Shifted(4, 1, 0.5, 0), RectifyFileType::Elevation));
    const Picture out = c.Out();
    EXPECT_EQ(out.Height(0, 0), 16);   // 15.5
    EXPECT_EQ(out.Height(1, 0), 6);    // 5.5
    EXPECT_EQ(out.Height(2, 0), -15);  // -15 exactly; truncating -14.5 would give -14
    EXPECT_EQ(out.Height(3, 0), -20);  // half of the edge pixel and half of itself repeated
}

TEST(Rectify, TextureSamplesTheSourceWhereTheMappingPoints)
{
    RectifyCase c;
    const auto color = [](int x, int y) { return Bgr{static_cast<uint8_t>(20 * x), static_cast<uint8_t>(30 * y), 99}; };
    WriteImage(c.t.context, c.t.dir.File("in.tga"), 10, 8, color);
    ASSERT_TRUE(c.Run(Shifted(10, 8, 1.5, -0.25), RectifyFileType::Texture));
    const Picture out = c.Out();

    CTGAFile source(c.t.context);
    ASSERT_TRUE(source.OnOpenDocument(c.t.dir.File("in.tga")));
    for (int r = 0; r < 8; ++r)
        for (int x = 0; x < 10; ++x) EXPECT_EQ(out.At(x, r), source.SampleGaussian(x + 1.5, r + 0.25)) << x << "," << r;
    // An interior sample of a smooth picture stays close to its neighbourhood.
    EXPECT_NEAR(out.At(3, 3).b, 20 * 4.5, 12);
    EXPECT_NEAR(out.At(3, 3).g, 30 * 3.25, 16);
}

TEST(Rectify, AllZeroCornersAskAboutBothAxes)
{
    RectifyCase goOn;
    WriteElevation(goOn.t.context, goOn.t.dir.File("in.tga"), 3, 3, [](int, int) { return 77; });
    goOn.t.ui.answers = {Answer::Ok, Answer::Ok};
    ASSERT_TRUE(goOn.Run(RectifyCorners{}, RectifyFileType::Elevation));
    ASSERT_EQ(goOn.t.ui.shown.size(), 2u);
    EXPECT_EQ(goOn.t.ui.shown[0].text, "The equation has an indefinite solution for x.");
    EXPECT_EQ(goOn.t.ui.shown[1].text, "The equation has an indefinite solution for y.");
    EXPECT_TRUE(goOn.t.ui.shown[0].question);
    // Every pixel maps to (0, H), just outside the source.
    const Picture out = goOn.Out();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(out.Height(x, y), 0);

    RectifyCase stop;
    WriteElevation(stop.t.context, stop.t.dir.File("in.tga"), 3, 3, [](int, int) { return 77; });
    EXPECT_FALSE(stop.Run(RectifyCorners{}, RectifyFileType::Elevation));  // Cancel is the default answer
    EXPECT_EQ(stop.t.ui.shown.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(stop.t.dir.File("out.tga")));

    RectifyCase stopAtY;
    WriteElevation(stopAtY.t.context, stopAtY.t.dir.File("in.tga"), 3, 3, [](int, int) { return 77; });
    stopAtY.t.ui.answers = {Answer::Ok, Answer::Cancel};
    EXPECT_FALSE(stopAtY.Run(RectifyCorners{}, RectifyFileType::Elevation));
    EXPECT_EQ(stopAtY.t.ui.shown.size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(stopAtY.t.dir.File("out.tga")));
}

TEST(RectifyFit, RecoversABilinearMappingThroughAnyFourCorners)
{
    const Vector4 xs{1.5, -0.25, 0.001, 7.0};
    const Vector4 ys{0.1, 0.9, -0.002, -3.0};
    RectifyCorners corners;
    // The first corner has x = 0, so the first column needs a row swap.
    corners.output = {CornerPoint{0, 10}, CornerPoint{200, 5}, CornerPoint{190, 150}, CornerPoint{15, 160}};
    for (size_t k = 0; k < 4; ++k) {
        const CornerPoint p = corners.output[k];
        corners.source[k] = {xs[0] * p.x + xs[1] * p.y + xs[2] * p.x * p.y + xs[3],
                             ys[0] * p.x + ys[1] * p.y + ys[2] * p.x * p.y + ys[3]};
    }
    const LinearSolution fx = RectifyJob::FitAxis(corners, false);
    const LinearSolution fy = RectifyJob::FitAxis(corners, true);
    EXPECT_FALSE(fx.singular);
    EXPECT_FALSE(fy.singular);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(fx.x[i], xs[i], 1e-9) << i;
        EXPECT_NEAR(fy.x[i], ys[i], 1e-9) << i;
    }
}

TEST(RectifyFit, CollinearCornersAreSingular)
{
    RectifyCorners corners;
    corners.output = {CornerPoint{0, 0}, CornerPoint{1, 0}, CornerPoint{2, 0}, CornerPoint{0, 1}};
    corners.source = corners.output;
    EXPECT_TRUE(RectifyJob::FitAxis(corners, false).singular);
    EXPECT_TRUE(RectifyJob::FitAxis(corners, true).singular);
}

TEST(LinearSystem, SingularPivotsDivideByTheFloorAndGoOn)
{
    // Column 0 is zero: the first pivot is replaced by 1e-12 and the zero entries
    // below are eliminated with factor 1 (the pivot row is subtracted whole).
    const Matrix4 a{{{0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}, {0, 1, 1, 1}}};
    const LinearSolution s = SolveLinearSystem(a, Vector4{1, 2, 3, 6});
    EXPECT_TRUE(s.singular);
    for (double v : s.x) EXPECT_TRUE(std::isfinite(v));
    // Rows 2 and 3 lose row 1 whole: the remaining 3 x 3 system still fixes b, c, d.
    EXPECT_NEAR(s.x[1], 1.0, 1e-9);
    EXPECT_NEAR(s.x[2], 2.0, 1e-9);
    EXPECT_NEAR(s.x[3], 3.0, 1e-9);
}

TEST(RectifyCorners, ValuesAreKeptInTheProfileAsFixedDecimals)
{
    TestContext t;
    const RectifyCorners empty = RectifyCorners::Load(t.context.profile);
    EXPECT_EQ(empty.output[2].x, 0.0);
    EXPECT_EQ(empty.source[3].y, 0.0);

    RectifyCorners corners = Shifted(640, 480, -4.5, 2.25);
    corners.Store(t.context.profile);
    const std::string text = test::ReadFileBytes(t.context.profile.path());
    EXPECT_NE(text.find("[RectifyCorners]"), std::string::npos);
    EXPECT_NE(text.find("x1'=-4.500000"), std::string::npos);
    EXPECT_NE(text.find("y3=480.000000"), std::string::npos);

    const RectifyCorners back = RectifyCorners::Load(t.context.profile);
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(back.output[k].x, corners.output[k].x);
        EXPECT_EQ(back.output[k].y, corners.output[k].y);
        EXPECT_EQ(back.source[k].x, corners.source[k].x);
        EXPECT_EQ(back.source[k].y, corners.source[k].y);
    }
}

}  // namespace
}  // namespace vistagon
