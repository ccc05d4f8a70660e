#include "import/TextFileReader.h"

#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vistagon {
namespace {

using test::TestContext;

// Every line that readOne(reader, line) gives, in order.
template <class ReadOne>
std::vector<std::string> AllLines(TestContext& t, const std::string& text, ReadOne readOne)
{
    const std::string path = t.dir.File("lines.txt");
    test::WriteFileBytes(path, text);
    TextFileReader reader;
    EXPECT_TRUE(reader.Open(t.context.ui, path));
    std::vector<std::string> lines;
    std::string line;
    while (readOne(reader, line)) lines.push_back(line);
    EXPECT_FALSE(reader.failed());
    return lines;
}

// Every line ReadLine gives with the capacity.
std::vector<std::string> Lines(TestContext& t, const std::string& text, size_t capacity)
{
    return AllLines(t, text,
                    [capacity](TextFileReader& reader, std::string& line) { return reader.ReadLine(line, capacity); });
}

// The lines ReadLineView gives, seen in place or through the spill string.
std::vector<std::string> ViewLines(TestContext& t, const std::string& text, size_t capacity)
{
    std::string spill;
    return AllLines(t, text, [capacity, &spill](TextFileReader& reader, std::string& line) {
        std::string_view view;
        if (!reader.ReadLineView(view, spill, capacity)) return false;
        line.assign(view);
        return true;
    });
}

TEST(TextFileReaderTest, ReadsLinesAsFgetsInTextModeDoes)
{
    TestContext t;
    EXPECT_EQ(Lines(t, "1 2 3\r\n4 5 6\n\n7 8", 256), (std::vector<std::string>{"1 2 3\n", "4 5 6\n", "\n", "7 8"}));
    // A lone CR stays; CR LF becomes LF.
    EXPECT_EQ(Lines(t, "a\rb\r\r\nc", 256), (std::vector<std::string>{"a\rb\r\n", "c"}));
    // At most capacity - 1 characters a call: the rest of the line comes next.
    EXPECT_EQ(Lines(t, "abcdefg\nhi\n", 4), (std::vector<std::string>{"abc", "def", "g\n", "hi\n"}));
    EXPECT_EQ(Lines(t, "ab\r\ncd", 3), (std::vector<std::string>{"ab", "\n", "cd"}));
    EXPECT_TRUE(Lines(t, "", 256).empty());
}

// Lines that cross the reader's 64 KiB refills, a CR LF split between two of them among them.
TEST(TextFileReaderTest, LinesAcrossRefillsComeWhole)
{
    TestContext t;
    const size_t refill = 64 * 1024;
    std::string text(refill - 1, 'x');
    text += "\r\n";
    const std::string second(refill + 100, 'y');
    text += second + "\nlast";
    const std::vector<std::string> lines = Lines(t, text, 4 * refill);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::string(refill - 1, 'x') + "\n");
    EXPECT_EQ(lines[1], second + "\n");
    EXPECT_EQ(lines[2], "last");
}

// Whether a line is seen in place or copied, it is the line ReadLine gives:
// CR LF, lone CRs, lines longer than the capacity and lines across refills.
TEST(TextFileReaderTest, LinesSeenInPlaceAreTheLinesReadLineGives)
{
    TestContext t;
    const size_t refill = 64 * 1024;
    std::string across(refill - 5, 'x');
    across += "\n12345678\r\n9\n";
    std::string many;
    for (int i = 0; i < 5000; ++i) many += std::to_string(i) + (i % 7 == 0 ? " 1 2\r\n" : " 3\t4\n");
    const std::string texts[] = {"1 2 3\r\n4 5 6\n\n7 8", "a\rb\r\r\nc", "abcdefg\nhi\n", "ab\r\ncd", "",
                                 std::string("1 2\0 3\n4\n", 9), across, many};
    for (const std::string& text : texts)
        for (const size_t capacity : {size_t{3}, size_t{4}, size_t{1024}})
            EXPECT_EQ(ViewLines(t, text, capacity), Lines(t, text, capacity)) << "capacity " << capacity;
}

}  // namespace
}  // namespace vistagon
