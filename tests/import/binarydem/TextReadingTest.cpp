#include "import/binarydem/DecimalText.h"
#include "import/binarydem/TextModeReader.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vistagon {
namespace {

TEST(DecimalText, ReadsAsFarAsTheNumberGoes)
{
    double value = -1.0;
    EXPECT_EQ(ScanLeadingDecimal("  -12.5e2xyz", value), 9u);
    EXPECT_EQ(value, -1250.0);
    EXPECT_EQ(ScanLeadingDecimal("+.5", value), 3u);
    EXPECT_EQ(value, 0.5);
    EXPECT_EQ(ScanLeadingDecimal("7.e", value), 2u);  // an exponent without digits is not read
    EXPECT_EQ(value, 7.0);
    EXPECT_EQ(LeadingDecimal("1.5E+"), 1.5);
    EXPECT_EQ(ScanLeadingDecimal(".", value), 0u);
    EXPECT_EQ(value, 0.0);
}

TEST(DecimalText, FortranExponentsOnlyWhenAsked)
{
    EXPECT_DOUBLE_EQ(LeadingDecimal("0.123456789012345D+06", true), 123456.789012345);
    EXPECT_DOUBLE_EQ(LeadingDecimal("0.660060000000000d+06", true), 660060.0);
    EXPECT_EQ(LeadingDecimal("0.5D+06"), 0.5);
}

TEST(DecimalText, NoHexadecimalInfinityOrNaN)
{
    EXPECT_EQ(LeadingDecimal("0x1p4"), 0.0);
    EXPECT_EQ(LeadingDecimal("inf"), 0.0);
    EXPECT_EQ(LeadingDecimal("nan"), 0.0);
    // Out of range reads saturate as strtod does.
    EXPECT_EQ(LeadingDecimal("-1e999"), -HUGE_VAL);
    EXPECT_EQ(LeadingDecimal("1e-999"), 0.0);
    EXPECT_EQ(LeadingDecimal(std::string(400, '9')), HUGE_VAL);
}

TEST(TextModeReader, CarriageReturnBeforeLineFeedIsDroppedAcrossChunks)
{
    test::TempDir dir;
    // A CR LF pair split by the reader's 64 KiB chunks, a lone CR, and a CR at the end.
    std::string text(65535, 'a');
    text += "\r\nb\rc\r";
    test::WriteFileBytes(dir.File("t.txt"), text);
    TextModeReader reader(dir.File("t.txt"));
    std::string line;
    ASSERT_TRUE(reader.ReadLine(line, 100000));
    EXPECT_EQ(line.size(), 65536u);
    EXPECT_EQ(line.back(), '\n');
    line.clear();
    ASSERT_TRUE(reader.ReadLine(line, 100000));
    EXPECT_EQ(line, "b\rc\r");
    EXPECT_FALSE(reader.ReadLine(line, 10));

    reader.Rewind();
    line.clear();
    ASSERT_TRUE(reader.ReadLine(line, 3));  // long lines come in pieces
    EXPECT_EQ(line, "aaa");
}

}  // namespace
}  // namespace vistagon
