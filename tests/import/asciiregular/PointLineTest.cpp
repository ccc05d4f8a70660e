#include "import/asciiregular/PointLine.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>
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

// The bits of strtod's reading of a cleaned number, the sign of zero included.
void ExpectAsStrtod(const std::string& number)
{
    const PointLine scanned = ScanPointLine(number);
    ASSERT_EQ(scanned.count, 1) << number;
    const double expected = std::strtod(number.c_str(), nullptr);
    EXPECT_EQ(std::memcmp(&scanned.values[0], &expected, sizeof expected), 0)
        << number << ": " << scanned.values[0] << " against " << expected;
}

TEST(PointLine, NumbersReadAsStrtodReadsThem)
{
    const std::string fixed[] = {"0", "-0", "-0.000", "0.1", "-.1", "5.", "647.991429", "9007199254740992",
                                 "9007199254740993", "9007199254740991.5", "1234567890123456789", "12345678901234567890",
                                 "0.0000000000000000000001", "0.00000000000000000000001", "1.0000000000000000000000",
                                 "00000000000000000000000001.5"};
    for (const std::string& number : fixed) ExpectAsStrtod(number);
    // Beyond the largest double, near it, below the smallest one and among the subnormal ones.
    for (const std::string& number : {std::string(309, '9'), std::string(308, '9'), "-" + std::string(400, '7'),
                                      "0." + std::string(400, '0') + "1", "0." + std::string(323, '0') + "5",
                                      "0." + std::string(320, '0') + "123456789"})
        ExpectAsStrtod(number);
    // Random strings of 1 to 26 digits: on both sides of the limits of the exact division.
    std::mt19937 engine(41);
    for (int i = 0; i < 20000; ++i) {
        const int digits = 1 + static_cast<int>(engine() % 26);
        const int point = static_cast<int>(engine() % static_cast<unsigned>(digits + 1));
        std::string number = engine() % 2 ? "-" : "";
        for (int d = 0; d < digits; ++d) {
            if (d == point) number += '.';
            number += static_cast<char>('0' + engine() % 10);
        }
        ExpectAsStrtod(number);
    }
}

}  // namespace
}  // namespace vistagon
