#include "support/ScriptedInteraction.h"
#include "tools/ConvolutionJob.h"
#include "tools/ToolTestImages.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace vistagon {
namespace {

using test::Picture;
using test::ReadPicture;
using test::TestContext;
using test::WriteImage;

uint8_t Channel(const Bgr& p, int c)
{
    return c == 0 ? p.b : c == 1 ? p.g : p.r;
}

// The convolution written the slow, obvious way, cell by cell.
Picture ReferenceConvolution(const Picture& source, const Picture& matrix)
{
    Picture out{source.width, source.height, std::vector<Bgr>(source.pixels.size())};
    const int cx = matrix.width / 2;
    const int cy = matrix.height / 2;
    for (int y = 0; y < source.height; ++y) {
        for (int x = 0; x < source.width; ++x) {
            uint8_t result[3];
            for (int c = 0; c < 3; ++c) {
                double weighted = 0.0, weights = 0.0;
                for (int j = 0; j < matrix.height; ++j) {
                    for (int i = 0; i < matrix.width; ++i) {
                        const int sx = x + i - cx, sy = y + j - cy;
                        if (sx < 0 || sy < 0 || sx >= source.width || sy >= source.height) continue;
                        const int w = Channel(matrix.At(i, j), c) - 128;
                        weights += w;
                        weighted += w * Channel(source.At(sx, sy), c);
                    }
                }
                const double v = weighted / weights;
                result[c] = v >= 255.5 ? 255 : (v < 0 || std::isnan(v)) ? 0 : static_cast<uint8_t>(v);
            }
            out.pixels[static_cast<size_t>(y * source.width + x)] = Bgr{result[0], result[1], result[2]};
        }
    }
    return out;
}

struct ConvolutionCase {
    TestContext t;

    void Source(int width, int height, const std::function<Bgr(int, int)>& color)
    {
        WriteImage(t.context, t.dir.File("in.tga"), width, height, color);
    }
    void Matrix(int width, int height, const std::function<Bgr(int, int)>& color)
    {
        WriteImage(t.context, t.dir.File("matrix.tga"), width, height, color);
    }
    Picture Run()
    {
        ConvolutionJob job(t.context, {t.dir.File("in.tga"), t.dir.File("out.tga"), t.dir.File("matrix.tga")});
        EXPECT_TRUE(job.Run());
        return ReadPicture(t.context, t.dir.File("out.tga"));
    }
    void ExpectReference()
    {
        const Picture out = Run();
        const Picture expected =
            ReferenceConvolution(ReadPicture(t.context, t.dir.File("in.tga")), ReadPicture(t.context, t.dir.File("matrix.tga")));
        ASSERT_EQ(out.width, expected.width);
        ASSERT_EQ(out.height, expected.height);
        for (int y = 0; y < out.height; ++y)
            for (int x = 0; x < out.width; ++x) ASSERT_EQ(out.At(x, y), expected.At(x, y)) << x << "," << y;
    }
};

TEST(Convolution, BoxBlurAveragesTheNeighboursInsideTheImage)
{
    ConvolutionCase c;
    // Blue 0, 10, 20, ... by column; green by row; red 90 in one pixel only.
    c.Source(4, 3, [](int x, int y) {
        return Bgr{static_cast<uint8_t>(10 * x), static_cast<uint8_t>(30 * y), static_cast<uint8_t>(x == 1 && y == 1 ? 90 : 0)};
    });
    c.Matrix(3, 3, [](int, int) { return Bgr{129, 129, 129}; });
    const Picture out = c.Run();
    EXPECT_EQ(out.At(0, 0), (Bgr{5, 15, 22}));   // four cells: (0+10+0+10)/4, (0+0+30+30)/4, 90/4
    EXPECT_EQ(out.At(1, 1), (Bgr{10, 30, 10}));  // nine cells
    EXPECT_EQ(out.At(3, 1), (Bgr{25, 30, 0}));   // six cells at the right edge
    EXPECT_EQ(out.At(3, 2), (Bgr{25, 45, 0}));   // four cells at the top right corner
}

TEST(Convolution, OneByOneKernelCopiesOrBlanksEachChannel)
{
    ConvolutionCase c;
    c.Source(3, 2, [](int x, int y) { return Bgr{static_cast<uint8_t>(40 * x + y), 200, static_cast<uint8_t>(255 - x)}; });
    c.Matrix(1, 1, [](int, int) { return Bgr{200, 128, 60}; });  // weights 72, 0, -68
    const Picture out = c.Run();
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(out.At(x, y).b, 40 * x + y);
            EXPECT_EQ(out.At(x, y).g, 0);  // 0 / 0
            EXPECT_EQ(out.At(x, y).r, 255 - x);
        }
    }
}

TEST(Convolution, ZeroWeightSumsClampAndBordersRenormalise)
{
    ConvolutionCase c;
    // Centre (1, 0) weight -1, left neighbour +1: v = (left - here) / 0 inside the image.
    c.Source(4, 1, [](int x, int) {
        const uint8_t v[4] = {50, 20, 20, 90};
        return Bgr{v[x], v[x], v[x]};
    });
    c.Matrix(2, 1, [](int i, int) { return i == 0 ? Bgr{129, 129, 129} : Bgr{127, 127, 127}; });
    const Picture out = c.Run();
    EXPECT_EQ(out.At(0, 0).g, 50);   // only the centre lies inside: -50 / -1
    EXPECT_EQ(out.At(1, 0).g, 255);  // 30 / 0
    EXPECT_EQ(out.At(2, 0).g, 0);    // 0 / 0
    EXPECT_EQ(out.At(3, 0).g, 0);    // -70 / 0
}

TEST(Convolution, KernelRowsRunFromTheBottomRow)
{
    ConvolutionCase c;
    c.Source(2, 3, [](int x, int y) { return Bgr{static_cast<uint8_t>(10 * y + x), 0, 0}; });
    // Only the top cell of a 1 x 3 kernel weighs: each pixel takes the one above it.
    c.Matrix(1, 3, [](int, int j) { return j == 2 ? Bgr{129, 128, 128} : Bgr{128, 128, 128}; });
    const Picture out = c.Run();
    EXPECT_EQ(out.At(1, 0).b, 11);
    EXPECT_EQ(out.At(0, 1).b, 20);
    EXPECT_EQ(out.At(0, 2).b, 0);  // nothing above the top row
}

TEST(Convolution, RandomKernelsMatchTheCellByCellSum)
{
    std::mt19937 random(7);
    const auto byte = [&random] { return static_cast<uint8_t>(random() & 0xFF); };
    const int sizes[][4] = {{9, 7, 3, 3}, {6, 5, 4, 2}, {5, 4, 7, 6}, {1, 1, 2, 3}, {12, 3, 1, 5}};
    for (const auto& size : sizes) {
        ConvolutionCase c;
        std::vector<Bgr> source, matrix;
        for (int k = 0; k < size[0] * size[1]; ++k) source.push_back({byte(), byte(), byte()});
        // Weights near 0 as well as far from it, so sums of either sign and of 0 occur.
        for (int k = 0; k < size[2] * size[3]; ++k)
            matrix.push_back({static_cast<uint8_t>(124 + byte() % 9), byte(), static_cast<uint8_t>(128 + byte() % 3)});
        c.Source(size[0], size[1], [&](int x, int y) { return source[static_cast<size_t>(y * size[0] + x)]; });
        c.Matrix(size[2], size[3], [&](int i, int j) { return matrix[static_cast<size_t>(j * size[2] + i)]; });
        SCOPED_TRACE(testing::Message() << size[0] << "x" << size[1] << " kernel " << size[2] << "x" << size[3]);
        c.ExpectReference();
    }
}

TEST(Convolution, KernelsLargerThanTheImage)
{
    ConvolutionCase c;
    c.Source(3, 2, [](int x, int y) { return Bgr{255, static_cast<uint8_t>(250 + x), static_cast<uint8_t>(100 * y)}; });
    c.Matrix(41, 32, [](int i, int j) { return Bgr{255, static_cast<uint8_t>((i + j) % 2 ? 255 : 60), static_cast<uint8_t>(i + j)}; });
    c.ExpectReference();
}

}  // namespace
}  // namespace vistagon
