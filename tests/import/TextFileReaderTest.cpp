#include "import/TextFileReader.h"

#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vistagon {
namespace {

using test::TestContext;

// Every line ReadLine gives with the capacity, in order.
std::vector<std::string> Lines(TestContext& t, const std::string& text, size_t capacity)
{
    const std::string path = t.dir.File("lines.txt");
    test::WriteFileBytes(path, text);
    TextFileReader reader;
    EXPECT_TRUE(reader.Open(t.context.ui, path));
    std::vector<std::string> lines;
    std::string line;
    while (reader.ReadLine(line, capacity)) lines.push_back(line);
    EXPECT_FALSE(reader.failed());
    return lines;
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

}  // namespace
}  // namespace vistagon
