#include "image/ElevationEncoding.h"
#include "import/japandem/JapanDemJob.h"
#include "platform/TextFormat.h"
#include "platform/messages/JapanDemMessages.h"
#include "platform/messages/TextFileMessages.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vistagon {
namespace {

// A header line with the size at characters 23 and 26.
std::string Header(const std::string& width, const std::string& height)
{
    return "MEM001" + std::string(17, '.') + width + height + " 19990401\n";
}

// A row line: the 9-character prefix, then the fields as given.
std::string Row(const std::string& fields)
{
    return "053945001" + fields + "\n";
}

// The 3 x 2 example: 100, 200, 300 on top, then -5, void, 10; no final line break.
std::string Example()
{
    const std::string text = Header("  3", "  2") + Row("  100  200  300") + Row("   -5-9999   10");
    return text.substr(0, text.size() - 1);
}

struct Conversion {
    test::TestContext t;
    JapanDemOptions options;
    long count = -1;
    bool cancelled = false;

    Conversion()
    {
        options.source = t.dir.File("in.mem");
        options.target = t.dir.File("out.tga");
    }
    bool Run(const std::string& text)
    {
        test::WriteFileBytes(options.source, text);
        JapanDemJob job(t.context, options);
        const bool ok = job.Run();
        count = job.nonZeroCount();
        cancelled = job.WasCancelled();
        return ok;
    }
    bool OutputExists() const { return std::filesystem::exists(options.target); }
    std::string Output() const { return test::ReadFileBytes(options.target); }
    int32_t At(int x, int y) const
    {
        const std::string bytes = Output();
        const int width = static_cast<uint8_t>(bytes[12]) | static_cast<uint8_t>(bytes[13]) << 8;
        return DecodeElevation(reinterpret_cast<const uint8_t*>(bytes.data()) + 18 + 3 * (x + y * width));
    }
    std::string CountMessage(long n) const { return FormatText(msg::kJapanCount.text, n); }
};

TEST(JapanDemJob, TopRowComesFirstAndVoidsBecomeZero)
{
    Conversion c;
    ASSERT_TRUE(c.Run(Example()));
    const std::string bytes = c.Output();
    ASSERT_EQ(bytes[12], 3);
    ASSERT_EQ(bytes[14], 2);
    EXPECT_EQ(c.At(0, 1), 100);
    EXPECT_EQ(c.At(1, 1), 200);
    EXPECT_EQ(c.At(2, 1), 300);
    EXPECT_EQ(c.At(0, 0), -5);
    EXPECT_EQ(c.At(1, 0), 0);
    EXPECT_EQ(c.At(2, 0), 10);
    EXPECT_EQ(c.t.ui.Texts(), std::vector<std::string>{c.CountMessage(5)});
    EXPECT_EQ(c.t.ui.shown[0].icon, MessageIcon::Information);

    Conversion kept;
    kept.options.voidValue = -5;
    ASSERT_TRUE(kept.Run(Example()));
    EXPECT_EQ(kept.At(0, 0), 0);
    EXPECT_EQ(kept.At(1, 0), -9999);
    EXPECT_EQ(kept.count, 5);
}

TEST(JapanDemJob, PositionsCountALineBreakAsOneCharacter)
{
    // Extra fields and characters up to the line break are skipped.
    const std::string text = Header("  2", "  2") + Row("    1    2    3 tail") + Row("    4    5");
    std::string crlf;
    for (char ch : text) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    Conversion lf, dos;
    ASSERT_TRUE(lf.Run(text));
    ASSERT_TRUE(dos.Run(crlf));
    EXPECT_EQ(lf.Output(), dos.Output());
    EXPECT_EQ(lf.At(1, 1), 2);
    EXPECT_EQ(lf.At(0, 0), 4);

    // A line break before position 23 is one character too.
    Conversion split;
    ASSERT_TRUE(split.Run("MEM001\r\n" + std::string(16, '.') + "  1  1\n" + Row("   42")));
    EXPECT_EQ(split.At(0, 0), 42);
    EXPECT_EQ(split.count, 1);
}

TEST(JapanDemJob, AFieldMissingFromARowFailsAtItsColumn)
{
    Conversion first;
    EXPECT_FALSE(first.Run(Header("  3", "  2") + Row("  100  200") + Row("   -5    0   10")));
    EXPECT_EQ(first.t.ui.Texts(), std::vector<std::string>{FormatText(msg::kJapanElevation.text, 2, 0)});
    EXPECT_EQ(first.t.ui.shown[0].icon, MessageIcon::Stop);
    EXPECT_FALSE(first.OutputExists());

    Conversion last;
    EXPECT_FALSE(last.Run(Header("  3", "  2") + Row("  100  200  300") + Row("   -5    0")));
    EXPECT_EQ(last.t.ui.Texts(), std::vector<std::string>{FormatText(msg::kJapanElevation.text, 2, 1)});

    Conversion shortField;
    EXPECT_FALSE(shortField.Run(Header("  2", "  1") + Row("    1  20")));
    EXPECT_EQ(shortField.t.ui.Texts(), std::vector<std::string>{FormatText(msg::kJapanElevation.text, 1, 0)});
}

TEST(JapanDemJob, HeaderAndPrefixFailuresNameWhatIsMissing)
{
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"MEM", msg::kJapanStartBytes.text},
        {"MEM001" + std::string(10, '.'), msg::kJapanWidth.text},
        {"MEM001" + std::string(17, '.') + "  3\n", msg::kJapanHeight.text},
        {"MEM001" + std::string(17, '.') + "abc  2\n", msg::kJapanWidth.text},
        {Header("  1", "  1"), FormatText(msg::kJapanLinePrefix.text, 0)},
        {Header("  1", "  3") + Row("    1") + Row("    2"), FormatText(msg::kJapanLinePrefix.text, 1)},
        {Header("  1", "  2") + Row("    1") + "short\n" + Row("    2"), FormatText(msg::kJapanLinePrefix.text, 0)},
    };
    for (const Case& c : cases) {
        Conversion conversion;
        EXPECT_FALSE(conversion.Run(c.text)) << c.text;
        EXPECT_EQ(conversion.t.ui.Texts(), std::vector<std::string>{c.message}) << c.text;
        EXPECT_FALSE(conversion.OutputExists());
    }
}

TEST(JapanDemJob, CancelOnlyKeepsTheImageUnsaved)
{
    Conversion c;
    c.t.ui.cancelAfterPumps = 1;
    EXPECT_TRUE(c.Run(Example()));
    EXPECT_TRUE(c.cancelled);
    EXPECT_FALSE(c.OutputExists());
    EXPECT_EQ(c.t.ui.Texts(), std::vector<std::string>{c.CountMessage(5)});
}

TEST(JapanDemJob, AnUnopenableSourceAsksToRetry)
{
    Conversion c;
    JapanDemJob job(c.t.context, c.options);
    EXPECT_FALSE(job.Run());
    EXPECT_EQ(c.t.ui.Texts(), std::vector<std::string>{FormatText(msg::kCouldNotOpenTextFile.text, c.options.source.c_str())});
    EXPECT_TRUE(c.t.ui.shown[0].question);
    EXPECT_FALSE(c.OutputExists());
}

}  // namespace
}  // namespace vistagon
