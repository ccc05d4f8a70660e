#include "import/asciiregular/PointLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vistagon {
namespace {

std::vector<double> Numbers(std::string_view line)
{
    const PointLine scanned = ScanPointLine(line);
    return std::vector<double>(scanned.values, scanned.values + scanned.count);
}

TEST(PointLine, EveryOtherCharacterSeparatesNumbers)
{
    EXPECT_EQ(Numbers("10,5,100.5"), (std::vector<double>{10.0, 5.0, 100.5}));
    // The exponent letter becomes a blank: 1.5 3 2, and the last 3 is left over.
    EXPECT_EQ(Numbers("1.5e3 2 3"), (std::vector<double>{1.5, 3.0, 2.0}));
    EXPECT_EQ(Numbers("+7\t-8;x=9\r\n"), (std::vector<double>{7.0, -8.0, 9.0}));
    EXPECT_EQ(Numbers("-.5 5. .25"), (std::vector<double>{-0.5, 5.0, 0.25}));
}

TEST(PointLine, NumbersRunTogetherAsScanfSplitsThem)
{
    EXPECT_EQ(Numbers("1.2.3"), (std::vector<double>{1.2, 0.3}));
    EXPECT_EQ(Numbers("5-3-1"), (std::vector<double>{5.0, -3.0, -1.0}));
    EXPECT_EQ(Numbers("1.-2"), (std::vector<double>{1.0, -2.0}));
}

TEST(PointLine, ScanningStopsAtTheFirstThingThatIsNoNumber)
{
    EXPECT_EQ(ScanPointLine("").count, 0);
    EXPECT_EQ(ScanPointLine("x y z\n").count, 0);
    EXPECT_EQ(Numbers("4 - 5 6"), std::vector<double>{4.0});  // a lone minus is a matching failure
    EXPECT_EQ(Numbers("4 . 5"), std::vector<double>{4.0});
    EXPECT_EQ(Numbers("4 --5"), std::vector<double>{4.0});
    EXPECT_EQ(Numbers(std::string_view("1 2\0 3", 6)), (std::vector<double>{1.0, 2.0}));
}

}  // namespace
}  // namespace vistagon
