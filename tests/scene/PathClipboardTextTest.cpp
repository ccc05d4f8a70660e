#include "scene/PathClipboardText.h"

#include <gtest/gtest.h>

namespace vistagon {
namespace {

TEST(PathClipboardTextTest, FormatsTheHeaderAndOneLinePerPointAndReadsItBack)
{
    const std::vector<PathPoint> points{{20, 20}, {-3, 1500}, {7, 0}};
    const std::string text = FormatPathClipboardText(points);
    EXPECT_EQ(text, "Vistagon Clipboard Data - Path\r\n0\t20\t20\r\n1\t-3\t1500\r\n2\t7\t0\r\n");
    EXPECT_EQ(ParsePathClipboardText(text), points);
    EXPECT_EQ(FormatPathClipboardText({}), "Vistagon Clipboard Data - Path\r\n");
    EXPECT_EQ(ParsePathClipboardText(FormatPathClipboardText({})), std::vector<PathPoint>{});
}

TEST(PathClipboardTextTest, TextWithoutTheHeaderIsRefused)
{
    EXPECT_FALSE(IsPathClipboardText("Vistagon Clipboard Data - VGS\r\n"));
    EXPECT_FALSE(IsPathClipboardText(" Vistagon Clipboard Data - Path"));
    EXPECT_FALSE(ParsePathClipboardText("0\t1\t2\r\n").has_value());
    EXPECT_FALSE(ParsePathClipboardText("").has_value());
    EXPECT_TRUE(IsPathClipboardText("Vistagon Clipboard Data - Path"));
}

TEST(PathClipboardTextTest, ReadsAsScanfWouldAndStopsAtTheFirstLineWithoutTwoNumbers)
{
    // The index is ignored, blanks of any kind separate, the rest of a line is skipped.
    EXPECT_EQ(ParsePathClipboardText("Vistagon Clipboard Data - Path\r\n9 +4   -5 trailing\n  7\t8\t9\r\n"),
              (std::vector<PathPoint>{{4, -5}, {8, 9}}));
    EXPECT_EQ(ParsePathClipboardText("Vistagon Clipboard Data - Path\r\n0\t1\t2\r\n1\t3\r\nx\r\n2\t5\t6\r\n"),
              (std::vector<PathPoint>{{1, 2}}));
    // Unix line ends: the header's two characters are the "\n" and the first digit.
    EXPECT_EQ(ParsePathClipboardText("Vistagon Clipboard Data - Path\n10\t1\t2\n"), (std::vector<PathPoint>{{1, 2}}));
    // A sign belongs to digits right after it.
    EXPECT_EQ(ParsePathClipboardText("Vistagon Clipboard Data - Path\r\n0\t--1\t2\r\n"), std::vector<PathPoint>{});
    // A number past the int range is no number.
    EXPECT_EQ(ParsePathClipboardText("Vistagon Clipboard Data - Path\r\n0\t99999999999\t2\r\n"),
              std::vector<PathPoint>{});
    // Thousands of points need no fixed buffer.
    std::vector<PathPoint> many;
    for (int i = 0; i < 5000; ++i) many.push_back({i, 2 * i});
    EXPECT_EQ(ParsePathClipboardText(FormatPathClipboardText(many)), many);
}

}  // namespace
}  // namespace vistagon
