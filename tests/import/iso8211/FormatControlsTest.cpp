#include "import/iso8211/FormatControls.h"
#include "import/iso8211/ParseError.h"

#include <gtest/gtest.h>

#include <string>

namespace vistagon::iso8211 {
namespace {

std::string Codes(const std::vector<SubfieldFormat>& formats)
{
    std::string codes;
    for (const SubfieldFormat& f : formats) codes += f.code + std::to_string(f.width) + " ";
    return codes;
}

TEST(Iso8211FormatControls, RepeatCountsAndGroupsExpandInOrder)
{
    EXPECT_EQ(Codes(ParseFormatControls("(A,3I)", 100)), "A0 I0 I0 I0 ");
    EXPECT_EQ(Codes(ParseFormatControls("(A(4),I(6),A(2))", 100)), "A4 I6 A2 ");
    EXPECT_EQ(Codes(ParseFormatControls("((2B(32)))", 100)), "B4 B4 ");
    EXPECT_EQ(Codes(ParseFormatControls("(A,2(I(3),R))", 100)), "A0 I3 R0 I3 R0 ");
    EXPECT_EQ(Codes(ParseFormatControls(" ( A , 2 S(5) ) ", 100)), "A0 S5 S5 ");
    EXPECT_EQ(Codes(ParseFormatControls("()", 100)), "");
}

TEST(Iso8211FormatControls, BinaryFormsCarryKindWidthAndOctetOrder)
{
    const auto bits = ParseFormatControls("(B(16))", 10);
    ASSERT_EQ(bits.size(), 1u);
    EXPECT_EQ(bits[0].width, 2u);
    EXPECT_EQ(bits[0].binary, BinaryKind::Raw);
    EXPECT_EQ(bits[0].order, ByteOrder::MostSignificantFirst);

    const auto forms = ParseFormatControls("(b11,b24,b48,b32)", 10);
    ASSERT_EQ(forms.size(), 4u);
    EXPECT_EQ(forms[0].binary, BinaryKind::Unsigned);
    EXPECT_EQ(forms[0].width, 1u);
    EXPECT_EQ(forms[1].binary, BinaryKind::Signed);
    EXPECT_EQ(forms[1].width, 4u);
    EXPECT_EQ(forms[1].order, ByteOrder::LeastSignificantFirst);
    EXPECT_EQ(forms[2].binary, BinaryKind::Float);
    EXPECT_EQ(forms[2].width, 8u);
    EXPECT_EQ(forms[3].binary, BinaryKind::Raw);  // fixed-point reals are left to the application
}

TEST(Iso8211FormatControls, MalformedListsAreRefused)
{
    for (const char* text : {"", "A", "(A", "(A))", "(A)x", "(Q)", "(A(0))", "(0A)", "(A(x))", "(B(12))",
                             "(b62)", "(b1)", "(A,)", "(A(123456))", "((((((((((((((((((A))))))))))))))))))"}) {
        EXPECT_THROW(ParseFormatControls(text, 100), ParseError) << text;
    }
}

TEST(Iso8211FormatControls, ExpansionIsBoundedAndEmptyGroupsCostNothing)
{
    EXPECT_THROW(ParseFormatControls("(99999(99999A))", 99999), ParseError);
    EXPECT_THROW(ParseFormatControls("(3A)", 2), ParseError);
    EXPECT_EQ(ParseFormatControls("(2A)", 2).size(), 2u);
    // Would loop 99999^4 times if empty groups were repeated.
    EXPECT_TRUE(ParseFormatControls("(99999(99999(99999(99999()))))", 10).empty());
}

}  // namespace
}  // namespace vistagon::iso8211
