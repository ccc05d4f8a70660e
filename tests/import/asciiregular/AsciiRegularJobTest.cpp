#include "image/ElevationEncoding.h"
#include "import/asciiregular/AsciiRegularJob.h"
#include "platform/TextFormat.h"
#include "platform/messages/AsciiRegularMessages.h"
#include "platform/messages/TextFileMessages.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vistagon {
namespace {

// The 3 x 2 nodes at x = 0, 10, 20 and y = 0, 5, out of order; z = 1 … 6 row by row.
const char* const kGrid = "20 5 6\n0 0 1\n10 5 5\n20 0 3\n0 5 4\n10 0 2\n";

struct Conversion {
    test::TestContext t;
    AsciiRegularOptions options;

    Conversion()
    {
        options.source = t.dir.File("in.txt");
        options.target = t.dir.File("out.tga");
        options.zScale = 1.0;
    }
    void Source(const std::string& text) const { test::WriteFileBytes(options.source, text); }
    void Bounds(double minX, double maxX, double minY, double maxY, int width, int height)
    {
        options.minX = minX, options.maxX = maxX, options.minY = minY, options.maxY = maxY;
        options.width = width, options.height = height;
    }
    bool OutputExists() const { return std::filesystem::exists(options.target); }
    std::string Output() const { return test::ReadFileBytes(options.target); }
    int Width() const { return static_cast<uint8_t>(Output()[12]) | static_cast<uint8_t>(Output()[13]) << 8; }
    int Height() const { return static_cast<uint8_t>(Output()[14]) | static_cast<uint8_t>(Output()[15]) << 8; }
    int32_t At(int x, int y) const
    {
        const std::string bytes = Output();
        return DecodeElevation(reinterpret_cast<const uint8_t*>(bytes.data()) + 18 + 3 * (x + y * Width()));
    }
};

TEST(AsciiRegularJob, ScanProposesTheGridAndNodesLandOnTheirPixels)
{
    Conversion c;
    c.Source(kGrid);
    AsciiRegularJob job(c.t.context, c.options);
    ASSERT_TRUE(job.Scan());
    EXPECT_EQ(job.options().width, 3);
    EXPECT_EQ(job.options().height, 2);
    EXPECT_EQ(job.options().minX, 0.0);
    EXPECT_EQ(job.options().maxX, 20.0);
    EXPECT_EQ(job.options().minY, 0.0);
    EXPECT_EQ(job.options().maxY, 5.0);
    ASSERT_TRUE(job.Run());
    ASSERT_EQ(c.Width(), 3);
    ASSERT_EQ(c.Height(), 2);
    EXPECT_EQ(c.At(2, 1), 6);  // node (20, 5): row 0 is the bottom row
    EXPECT_EQ(c.At(0, 0), 1);
    EXPECT_EQ(c.At(1, 0), 2);
    EXPECT_EQ(c.At(0, 1), 4);
    EXPECT_TRUE(job.results().empty());
    EXPECT_TRUE(c.t.ui.shown.empty());
    EXPECT_EQ(c.t.ui.statusTexts.back(), "");
}

TEST(AsciiRegularJob, CrLfAndAMissingLastLineBreakConvertAlike)
{
    Conversion lf, crlf;
    lf.Source(kGrid);
    std::string text;
    for (const char* p = kGrid; *p != '\0'; ++p) text += *p == '\n' ? std::string("\r\n") : std::string(1, *p);
    crlf.Source(text.substr(0, text.size() - 2));  // the last node (10, 0) has no line break
    AsciiRegularJob first(lf.t.context, lf.options), second(crlf.t.context, crlf.options);
    ASSERT_TRUE(first.Scan() && first.Run());
    ASSERT_TRUE(second.Scan() && second.Run());
    EXPECT_EQ(lf.Output(), crlf.Output());
    EXPECT_EQ(crlf.At(1, 0), 2);
}

TEST(AsciiRegularJob, HeightsAreTruncatedAfterScalingAndWrapAt24Bits)
{
    Conversion c;
    c.Source("0 0 2.9\n1 0 -2.9\n0 1 100.5\n1 1 4194304\n");
    c.Bounds(0, 1, 0, 1, 2, 2);
    c.options.zScale = 2.0;
    AsciiRegularJob job(c.t.context, c.options);
    ASSERT_TRUE(job.Run());
    EXPECT_EQ(c.At(0, 0), 5);  // 5.8
    EXPECT_EQ(c.At(1, 0), -5);
    EXPECT_EQ(c.At(0, 1), 201);
    EXPECT_EQ(c.At(1, 1), -8388608);  // 0x800000: only the lowest 24 bits are kept
}

TEST(AsciiRegularJob, NodesNearTheEdgeRoundTowardZeroOthersAreIgnored)
{
    Conversion c;
    // Width 3 over 0 … 20: x' = x / 10. A later line for a pixel overwrites an earlier one.
    c.Source("4.9 0 1\n5 0 2\n-6 0 3\n-16 0 4\n26 0 5\n14 0 6\n15 0 7\n");
    c.Bounds(0, 20, 0, 5, 3, 2);
    AsciiRegularJob job(c.t.context, c.options);
    ASSERT_TRUE(job.Run());
    EXPECT_EQ(c.At(0, 0), 3);  // x' = -0.6 still truncates to column 0
    EXPECT_EQ(c.At(1, 0), 6);  // x = 5 and 14; 15 rounds to column 2
    EXPECT_EQ(c.At(2, 0), 7);  // x' = 2.6 falls off; 1.5 lands here
}

TEST(AsciiRegularJob, ShortLinesAreListedByDataLineNumberAndTheOutputIsStillWritten)
{
    Conversion c;
    c.options.skipLines = 3;
    // The second physical line is longer than 1023 characters: its tail is a data line of its own.
    const std::string longLine = "0 5 4" + std::string(1018, ' ') + "7\n";
    c.Source("x y z\n1 2\n\n" + std::string("0 0 1\n") + longLine + "20 0\n\n10 0 2\n20 5 6\n");
    AsciiRegularJob job(c.t.context, c.options);
    const std::vector<std::string> expected = {FormatText(msg::kRegularOneItem.text, 3L),
                                               FormatText(msg::kRegularTwoItems.text, 4L),
                                               FormatText(msg::kRegularNoItem.text, 5L)};
    EXPECT_TRUE(job.Scan());
    EXPECT_EQ(job.results(), expected);
    EXPECT_FALSE(job.Run());  // the dialog stays open with its list
    EXPECT_EQ(job.results(), expected);  // listed afresh, not appended
    ASSERT_TRUE(c.OutputExists());
    EXPECT_EQ(c.At(2, 1), 6);
    EXPECT_EQ(c.At(0, 1), 4);
}

TEST(AsciiRegularJob, OnlyTheFirstHundredMessagesAreListed)
{
    Conversion c;
    std::string text;
    for (int i = 0; i < 150; ++i) text += "bad\n";
    c.Source(text);
    c.Bounds(0, 1, 0, 1, 2, 2);
    AsciiRegularJob job(c.t.context, c.options);
    EXPECT_FALSE(job.Run());
    ASSERT_EQ(job.results().size(), 101u);
    EXPECT_EQ(job.results()[99], FormatText(msg::kRegularNoItem.text, 100L));
    EXPECT_EQ(job.results()[100], "Number of error messages exceeded.");
    EXPECT_TRUE(c.OutputExists());  // malformed lines never keep the flat image from being written
}

TEST(AsciiRegularJob, CancelStopsAtTheNextThousandLinesAndSavesNothing)
{
    Conversion c;
    std::string text;
    for (int i = 0; i < 2500; ++i) text += std::to_string(i % 50) + " " + std::to_string(i / 50) + " 1\n";
    c.Source(text);
    AsciiRegularJob job(c.t.context, c.options);
    ASSERT_TRUE(job.Scan());
    EXPECT_EQ(job.options().width, 50);
    EXPECT_EQ(job.options().height, 50);
    EXPECT_EQ(c.t.ui.statusTexts, (std::vector<std::string>{"1000", "2000", ""}));

    c.t.ui.cancelAfterPumps = c.t.ui.pumps + 2;
    EXPECT_TRUE(job.Run());
    EXPECT_TRUE(job.WasCancelled());
    EXPECT_FALSE(c.OutputExists());

    c.t.ui.cancelled = false;
    c.t.ui.cancelAfterPumps = c.t.ui.pumps + 1;
    EXPECT_FALSE(job.Scan());
}

// Creates the missing source when the first retry question comes.
class RetryInteraction : public test::ScriptedInteraction {
public:
    Answer Ask(std::string_view text, QuestionButtons buttons, MessageIcon icon) override
    {
        if (!path.empty()) test::WriteFileBytes(path, kGrid);
        path.clear();
        return ScriptedInteraction::Ask(text, buttons, icon);
    }
    std::string path;
};

TEST(AsciiRegularJob, AnUnopenableSourceIsRetriedUntilTheAnswerIsNo)
{
    Conversion c;
    AsciiRegularJob refused(c.t.context, c.options);
    c.t.ui.answers = {Answer::Yes};
    EXPECT_FALSE(refused.Scan());
    const std::string question = FormatText(msg::kCouldNotOpenTextFile.text, c.options.source.c_str());
    EXPECT_EQ(c.t.ui.Texts(), (std::vector<std::string>{question, question}));
    EXPECT_EQ(c.t.ui.shown[0].icon, MessageIcon::Stop);

    RetryInteraction ui;
    ui.path = c.options.source;
    ui.answers = {Answer::Yes};
    AppContext context{ui, Profile(c.t.dir.File("retry.ini"))};
    AsciiRegularJob retried(context, c.options);
    ASSERT_TRUE(retried.Scan());
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(retried.options().width, 3);
}

TEST(AsciiRegularJob, GridsThatCannotBeMappedAreRefused)
{
    Conversion column;
    column.Source("5 0 1\n5 1 2\n");
    AsciiRegularJob columnJob(column.t.context, column.options);
    ASSERT_TRUE(columnJob.Scan());
    EXPECT_EQ(columnJob.options().width, 1);
    EXPECT_FALSE(columnJob.Run());
    EXPECT_EQ(column.t.ui.Texts(), std::vector<std::string>{msg::kRegularEqualBoundsX.text});
    EXPECT_FALSE(column.OutputExists());

    Conversion empty;
    empty.Source("header\n");
    empty.options.skipLines = 1;
    empty.Bounds(0, 1, 0, 1, 2, 2);
    AsciiRegularJob emptyJob(empty.t.context, empty.options);
    EXPECT_FALSE(emptyJob.Run());
    EXPECT_EQ(empty.t.ui.Texts(), std::vector<std::string>{msg::kRegularNoValidLine.text});
    EXPECT_FALSE(empty.OutputExists());
}

}  // namespace
}  // namespace vistagon
