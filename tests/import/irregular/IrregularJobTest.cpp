#include "image/CTGAFile.h"
#include "image/ElevationEncoding.h"
#include "import/irregular/AsciiIrregularJob.h"
#include "import/irregular/BlueZeroJob.h"
#include "import/irregular/DelaunayTriangulation.h"
#include "import/irregular/NodalTriangleRaster.h"
#include "import/irregular/TgaIrregularJob.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

namespace vistagon {
namespace {

using test::TestContext;

// The heights of an elevation file, row 0 at the bottom.
struct Heights {
    int width = 0;
    int height = 0;
    std::vector<int32_t> values;

    int32_t at(int x, int y) const { return values[static_cast<size_t>(y * width + x)]; }
};

Heights ReadHeights(AppContext& context, const std::string& path)
{
    CTGAFile image(context);
    Heights h;
    if (!image.OnOpenDocument(path)) return h;
    h.width = image.GetWidth();
    h.height = image.GetHeight();
    for (int y = 0; y < h.height; ++y)
        for (int x = 0; x < h.width; ++x) h.values.push_back(DecodeElevation(image.GetPixel(x, y)));
    image.OnCloseDocument();
    return h;
}

// A 10 x 10 output over the bounds 0 ... 10, so that x and y are pixel units.
AsciiIrregularOptions TenByTen(TestContext& t, const std::string& text)
{
    AsciiIrregularOptions options;
    options.source = t.dir.File("points.txt");
    options.target = t.dir.File("out.tga");
    options.minX = options.minY = 0.0;
    options.maxX = options.maxY = 10.0;
    options.width = options.height = 10;
    test::WriteFileBytes(options.source, text);
    return options;
}

// A picture whose pixels have blue 7 except the listed ones, which get blue 0
// and the given red and green bytes.
struct Marked {
    int x, y;
    uint8_t red, green;
};

void WritePicture(AppContext& context, const std::string& path, int width, int height, const std::vector<Marked>& marks)
{
    CTGAFile image(context);
    ASSERT_TRUE(image.CreateImage(width, height));
    const Bgr plain{7, 40, 90};
    image.SetDrawColor(&plain);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.SetPixel(x, y);
    for (const Marked& m : marks) {
        const Bgr c{0, m.green, m.red};
        image.SetDrawColor(&c);
        image.SetPixel(m.x, m.y);
    }
    ASSERT_TRUE(image.OnSaveDocument(path));
    image.OnCloseDocument();
}

TEST(AsciiIrregularJob, ThreePointsGridOneTriangleOnTheirPlane)
{
    TestContext t;
    AsciiIrregularJob job(t.context, TenByTen(t, "0 0 10\n10 0 20\n0 10 30\n"));
    ASSERT_TRUE(job.Run());
    EXPECT_TRUE(job.results().empty());
    const Heights h = ReadHeights(t.context, job.options().target);
    ASSERT_EQ(h.width, 10);
    // The jitter lifts the bottom edge a little above row 0, which thus stays outside.
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            if (x + y < 10 && y > 0) {
                // The plane through the points is z = 10 + x + 2y, times the z scale 256.
                const double plane = 256.0 * (10 + x + 2 * y);
                EXPECT_NEAR(h.at(x, y), plane, 1.0) << x << "," << y;
            } else if (x + y >= 10) {
                EXPECT_EQ(h.at(x, y), 0) << "beyond the long edge at " << x << "," << y;
            }
        }
    }
}

TEST(AsciiIrregularJob, FourCornersOfASquareSplitAlongADiagonal)
{
    std::vector<NodalPoint> corners = {{0, 0, 0}, {10, 0, 30}, {0, 10, 50}, {10, 10, 80}};
    const Triangulation mesh = TriangulateNodalPoints(corners, [](size_t) { return true; });
    ASSERT_EQ(mesh.triangles.size(), 2u);
    int shared = 0;
    for (const int a : mesh.triangles[0].v)
        for (const int b : mesh.triangles[1].v) shared += a == b;
    EXPECT_EQ(shared, 2);

    // Corners on one plane: whichever diagonal, the two triangles fill the square
    // above the bottom row without a gap.
    TestContext t;
    AsciiIrregularOptions options = TenByTen(t, "0 0 0\n10 0 30\n0 10 50\n10 10 80\n");
    options.zScale = 1.0;
    AsciiIrregularJob job(t.context, options);
    ASSERT_TRUE(job.Run());
    const Heights h = ReadHeights(t.context, options.target);
    for (int y = 1; y < 10; ++y)
        for (int x = 0; x < 10; ++x) EXPECT_NEAR(h.at(x, y), 3 * x + 5 * y, 1.0) << x << "," << y;
}

TEST(AsciiIrregularJob, PointsBeyondTheBoundsAreDroppedButTheUpperBoundIsKept)
{
    // Without the fourth point the upper right half of the raster lies outside every triangle.
    for (const bool onBound : {false, true}) {
        TestContext t;
        const std::string fourth = onBound ? "10 10 1000\n" : "10.5 10 1000\n";
        AsciiIrregularJob job(t.context, TenByTen(t, "0 0 0\n10 0 0\n0 10 0\n" + fourth));
        ASSERT_TRUE(job.Run());
        EXPECT_TRUE(job.results().empty()) << "a dropped point is not reported";
        const Heights h = ReadHeights(t.context, job.options().target);
        if (onBound) {
            EXPECT_GT(h.at(9, 9), 256 * 500);
        } else {
            EXPECT_EQ(h.at(9, 9), 0);
        }
    }
}

TEST(AsciiIrregularJob, TheConversionCountsEveryLineAgainstTheEstimate)
{
    TestContext t;
    AsciiIrregularOptions options = TenByTen(t, "no numbers\n0 0 10\n10 0 20\n0 10 30\n10 10 40\n");
    options.estimate = 4;
    AsciiIrregularJob job(t.context, options);
    ASSERT_TRUE(job.Run()) << "the points read before the estimate are still gridded";
    EXPECT_EQ(job.results(), (std::vector<std::string>{"Line 1: no item found.", "Number of nodal points exceeded."}));
    const Heights h = ReadHeights(t.context, options.target);
    EXPECT_NE(h.at(1, 1), 0);
    EXPECT_EQ(h.at(9, 9), 0) << "the fifth line came after the estimate";
}

TEST(AsciiIrregularJob, TheScanCountsOnlyValidLinesAgainstTheEstimate)
{
    TestContext t;
    AsciiIrregularOptions options = TenByTen(t, "no numbers\n-3 1 10\n4 -2 20\n5 6 30\n20 25 40\n");
    options.estimate = 4;
    AsciiIrregularJob all(t.context, options);
    ASSERT_TRUE(all.Scan());
    EXPECT_EQ(all.results(), std::vector<std::string>{"Line 1: no item found."});
    EXPECT_EQ(all.options().minX, -3.0);
    EXPECT_EQ(all.options().maxX, 20.0);
    EXPECT_EQ(all.options().minY, -2.0);
    EXPECT_EQ(all.options().maxY, 25.0);
    EXPECT_EQ(all.options().width, 10) << "the scan leaves the output size alone";

    options.estimate = 3;
    AsciiIrregularJob some(t.context, options);
    ASSERT_TRUE(some.Scan());
    EXPECT_EQ(some.results(), (std::vector<std::string>{"Line 1: no item found.", "Number of nodal points exceeded."}));
    EXPECT_EQ(some.options().maxX, 5.0);
    EXPECT_EQ(some.options().maxY, 6.0);
}

TEST(AsciiIrregularJob, AnUnopenableSourceSetsTheBoundsToMinusOne)
{
    TestContext t;
    AsciiIrregularOptions options;
    options.source = t.dir.File("missing.txt");
    AsciiIrregularJob job(t.context, options);
    EXPECT_FALSE(job.Scan());
    EXPECT_EQ(job.options().minX, -1.0);
    EXPECT_EQ(job.options().maxY, -1.0);
    ASSERT_FALSE(t.ui.shown.empty());
    EXPECT_TRUE(t.ui.shown[0].question);
}

TEST(AsciiIrregularJob, NoValidLineIsListedUncountedAfterTheExceededNotice)
{
    TestContext t;
    std::string text;
    for (int i = 0; i < 150; ++i) text += "1 2\n";
    AsciiIrregularJob job(t.context, TenByTen(t, text));
    EXPECT_FALSE(job.Run());
    const std::vector<std::string>& lines = job.results();
    ASSERT_EQ(lines.size(), 102u);
    EXPECT_EQ(lines[0], "Line 1: only two items found.");
    EXPECT_EQ(lines[99], "Line 100: only two items found.");
    EXPECT_EQ(lines[100], "Number of error messages exceeded.");
    EXPECT_EQ(lines[101], "Not a single valid line encountered.");
    EXPECT_FALSE(std::filesystem::exists(job.options().target));
}

TEST(AsciiIrregularJob, ATgaSourceIsRefusedWithoutOutput)
{
    TestContext t;
    AsciiIrregularOptions options = TenByTen(t, "0 0 1\n10 0 1\n0 10 1\n");
    options.source = t.dir.File("points.TGA");
    test::WriteFileBytes(options.source, "0 0 1\n10 0 1\n0 10 1\n");
    AsciiIrregularJob job(t.context, options);
    EXPECT_FALSE(job.Run());
    EXPECT_FALSE(std::filesystem::exists(options.target));
    ASSERT_EQ(t.ui.shown.size(), 1u);
    EXPECT_NE(t.ui.shown[0].text.find("TGA irregular"), std::string::npos);
}

TEST(AsciiIrregularJob, TooManyCavityEdgesStopWithTheStorageMessageAndNoFile)
{
    // Points on a circle, its centre last: the centre's cavity is bounded by every chord.
    TestContext t;
    std::string text;
    for (int i = 0; i < 400; ++i) {
        const double a = i * 6.283185307179586 / 400;
        text += std::to_string(100 + 90 * std::cos(a)) + " " + std::to_string(100 + 90 * std::sin(a)) + " 1\n";
    }
    text += "100 100 2\n";
    AsciiIrregularOptions options = TenByTen(t, text);
    options.maxX = options.maxY = 200.0;
    options.width = options.height = 200;
    AsciiIrregularJob job(t.context, options);
    EXPECT_FALSE(job.Run());
    ASSERT_EQ(t.ui.shown.size(), 1u);
    EXPECT_EQ(t.ui.shown[0].text, "nnsort: Temporary storage exceeded - increase TSIZE");
    EXPECT_EQ(t.ui.shown[0].icon, MessageIcon::Stop);
    EXPECT_FALSE(std::filesystem::exists(options.target));
}

TEST(AsciiIrregularJob, CancelLeavesNoOutput)
{
    // 1200 lines: the first pump comes at line 1000, later ones while the points are inserted.
    std::string text;
    for (int i = 0; i < 1200; ++i)
        text += std::to_string((i % 40) / 4.0) + " " + std::to_string((i / 40) / 4.0) + " " + std::to_string(i) + "\n";
    for (const long pumps : {1L, 500L}) {
        TestContext t;
        t.ui.cancelAfterPumps = pumps;
        AsciiIrregularOptions options = TenByTen(t, text);
        options.estimate = 2000;
        AsciiIrregularJob job(t.context, options);
        EXPECT_FALSE(job.Run());
        EXPECT_TRUE(job.WasCancelled());
        EXPECT_FALSE(std::filesystem::exists(job.options().target));
    }
}

TEST(TgaIrregularJob, RedAndGreenHoldASigned16BitHeight)
{
    TestContext t;
    WritePicture(t.context, t.dir.File("in.tga"), 8, 8, {{0, 0, 255, 254}, {7, 0, 255, 254}, {0, 7, 255, 254}});
    TgaIrregularJob job(t.context, {t.dir.File("in.tga"), t.dir.File("out.tga")});
    ASSERT_TRUE(job.Run());
    EXPECT_TRUE(job.results().empty());
    const Heights h = ReadHeights(t.context, t.dir.File("out.tga"));
    ASSERT_EQ(h.width, 8);
    EXPECT_EQ(h.at(1, 1), -512);
    EXPECT_EQ(h.at(3, 2), -512);
    EXPECT_EQ(h.at(7, 7), 0);
}

TEST(TgaIrregularJob, TheEstimateMustExceedTheNodalPoints)
{
    TestContext t;
    WritePicture(t.context, t.dir.File("in.tga"), 8, 8, {{0, 0, 0, 5}, {7, 0, 0, 5}, {0, 7, 0, 5}});
    TgaIrregularJob full(t.context, {t.dir.File("in.tga"), t.dir.File("out.tga"), 256.0, 3});
    EXPECT_FALSE(full.Run());
    EXPECT_EQ(full.results(), std::vector<std::string>{"Number of nodal points exceeded."});
    EXPECT_FALSE(std::filesystem::exists(t.dir.File("out.tga")));

    TgaIrregularJob room(t.context, {t.dir.File("in.tga"), t.dir.File("out.tga"), 256.0, 4});
    EXPECT_TRUE(room.Run());
    EXPECT_TRUE(room.results().empty());
    EXPECT_EQ(ReadHeights(t.context, t.dir.File("out.tga")).at(1, 1), 5 * 256);
}

TEST(TgaIrregularJob, ThePreparedPictureHasNoNodalPoint)
{
    TestContext t;
    WritePicture(t.context, t.dir.File("in.tga"), 5, 4, {{0, 0, 1, 2}, {4, 3, 3, 4}, {2, 1, 5, 6}});
    BlueZeroJob prepare(t.context, {t.dir.File("in.tga"), t.dir.File("prepared.tga")});
    ASSERT_TRUE(prepare.Run());

    CTGAFile before(t.context), after(t.context);
    ASSERT_TRUE(before.OnOpenDocument(t.dir.File("in.tga")));
    ASSERT_TRUE(after.OnOpenDocument(t.dir.File("prepared.tga")));
    ASSERT_EQ(after.GetWidth(), 5);
    ASSERT_EQ(after.GetHeight(), 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) {
            const Bgr a = before.GetPixel(x, y), b = after.GetPixel(x, y);
            EXPECT_EQ(b.b, a.b == 0 ? 1 : a.b);
            EXPECT_EQ(b.g, a.g);
            EXPECT_EQ(b.r, a.r);
        }
    }

    TgaIrregularJob job(t.context, {t.dir.File("prepared.tga"), t.dir.File("out.tga")});
    EXPECT_FALSE(job.Run());
    EXPECT_EQ(job.results(), std::vector<std::string>{"Not a single valid nodal point encountered."});
    EXPECT_FALSE(std::filesystem::exists(t.dir.File("out.tga")));
}

TEST(TgaIrregularJob, CancelLeavesNoOutput)
{
    TestContext t;
    WritePicture(t.context, t.dir.File("in.tga"), 8, 8, {{0, 0, 0, 5}, {7, 0, 0, 5}, {0, 7, 0, 5}, {7, 7, 0, 9}});
    t.ui.cancelAfterPumps = 10;
    TgaIrregularJob job(t.context, {t.dir.File("in.tga"), t.dir.File("out.tga")});
    EXPECT_FALSE(job.Run());
    EXPECT_TRUE(job.WasCancelled());
    EXPECT_FALSE(std::filesystem::exists(t.dir.File("out.tga")));

    t.ui.pumps = 0;
    t.ui.cancelled = false;
    t.ui.cancelAfterPumps = 2;
    BlueZeroJob prepare(t.context, {t.dir.File("in.tga"), t.dir.File("prepared.tga")});
    EXPECT_FALSE(prepare.Run());
    EXPECT_FALSE(std::filesystem::exists(t.dir.File("prepared.tga")));
}

// Draws the triangles on a blank raster and returns its heights.
Heights Rasterise(AppContext& context, int width, int height, const std::vector<NodalPoint>& points,
                  const std::vector<DelaunayTriangle>& triangles)
{
    CTGAFile image(context);
    Heights h;
    if (!image.CreateImage(width, height)) return h;
    image.FillGray(0);
    RasteriseNodalTriangles(points, triangles, image);
    h.width = width;
    h.height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) h.values.push_back(DecodeElevation(image.GetPixel(x, y)));
    return h;
}

TEST(NodalTriangleRaster, AFlatBottomIsRaisedAndTheRightEndOfASpanExcluded)
{
    TestContext t;
    const Heights h = Rasterise(t.context, 10, 10, {{0, 0, 7}, {8, 0, 7}, {0, 8, 7}}, {{{0, 1, 2}}});
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) EXPECT_EQ(h.at(x, y), x + y < 8 ? 7 : 0) << x << "," << y;
}

TEST(NodalTriangleRaster, LaterTrianglesOverwriteAndOutsideWritesAreDropped)
{
    TestContext t;
    const std::vector<NodalPoint> points = {{-5, -5, 3}, {20, -5, 3}, {-5, 20, 3}, {0, 0, 9}, {6, 0, 9}, {0, 6, 9}};
    const Heights h = Rasterise(t.context, 10, 10, points, {{{0, 1, 2}}, {{3, 4, 5}}});
    EXPECT_EQ(h.at(1, 1), 9);
    EXPECT_EQ(h.at(7, 1), 3);
    EXPECT_EQ(h.at(9, 5), 3);
    EXPECT_EQ(h.at(9, 9), 0);
    const Heights reversed = Rasterise(t.context, 10, 10, points, {{{3, 4, 5}}, {{0, 1, 2}}});
    EXPECT_EQ(reversed.at(1, 1), 3);
}

TEST(NodalTriangleRaster, HeightsKeepTheirLowest24BitsAfterTruncation)
{
    TestContext t;
    const double big = 16777216.0 + 5.9;
    const Heights h = Rasterise(t.context, 4, 4, {{0, 0, big}, {4, 0, big}, {0, 4, big}, {4, 0, -2.9}, {4, 4, -2.9}, {0, 4, -2.9}},
                                {{{0, 1, 2}}, {{3, 4, 5}}});
    EXPECT_EQ(h.at(0, 0), 5);
    EXPECT_EQ(h.at(3, 3), -2);
}

}  // namespace
}  // namespace vistagon
