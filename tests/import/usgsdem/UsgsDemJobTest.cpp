#include "image/ElevationEncoding.h"
#include "import/usgsdem/DemText.h"
#include "import/usgsdem/UsgsDemJob.h"
#include "platform/TextFormat.h"
#include "platform/messages/CommonMessages.h"
#include "platform/messages/UsgsDemMessages.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vistagon {
namespace {

using test::DemText;

// Records what the conversion shows; accepts every header unless told otherwise.
class RecordingFeedback : public UsgsDemFeedback {
public:
    bool ConfirmHeader(const std::string& title, const std::vector<std::string>& lines) override
    {
        titles.push_back(title);
        lineCount = lines.size();
        return acceptHeaders;
    }
    bool ContinueChecking(const std::string& question) override
    {
        questions.push_back(question);
        return keepChecking;
    }
    void ShowCurrentFile(const std::string& path) override { currentFiles.push_back(path); }

    bool acceptHeaders = true;
    bool keepChecking = true;
    std::vector<std::string> titles;
    std::vector<std::string> questions;
    std::vector<std::string> currentFiles;
    size_t lineCount = 0;
};

// An arc-second DEM of n x n profiles of n elevations, spacing 3": a 1-degree
// quad in miniature. Elevation k of profile j is 100 * j + k + 1.
DemText SquareDem(int n, double west = 0.0, double south = 0.0)
{
    DemText dem;
    const double span = 3.0 * (n - 1);
    dem.GroundUnits(DemHeader::kArcSeconds).Corners(west, south, west + span, south + span).Resolution(3, 3).Profiles(n);
    for (int j = 0; j < n; ++j) {
        std::vector<std::string> elevations;
        for (int k = 0; k < n; ++k) elevations.push_back(std::to_string(100 * j + k + 1));
        dem.Profile(j + 1, west + 3.0 * j, south, elevations);
    }
    return dem;
}

struct Merge {
    test::TestContext t;
    RecordingFeedback feedback;
    UsgsDemOptions options;

    Merge() { options.targetPath = t.dir.File("out.tga"); }
    std::string Add(const std::string& text)
    {
        const std::string path = t.dir.File("in" + std::to_string(options.sourcePaths.size()) + ".dem");
        test::WriteFileBytes(path, text);
        options.sourcePaths.push_back(path);
        return path;
    }
    bool Run()
    {
        UsgsDemJob job(t.context, options, feedback);
        const bool ok = job.Run();
        cancelled = job.WasCancelled();
        return ok;
    }
    std::string Output() const { return test::ReadFileBytes(options.targetPath); }
    int Width() const { return static_cast<uint8_t>(Output()[12]) | static_cast<uint8_t>(Output()[13]) << 8; }
    int HeightOfImage() const { return static_cast<uint8_t>(Output()[14]) | static_cast<uint8_t>(Output()[15]) << 8; }
    int32_t At(int x, int y) const
    {
        const std::string bytes = Output();
        return DecodeElevation(reinterpret_cast<const uint8_t*>(bytes.data()) + 18 + 3 * (x + y * Width()));
    }
    std::string CountMessage(long count) const { return FormatText(msg::kDemPositiveCount.text, count); }
    bool cancelled = false;
};

TEST(UsgsDemJob, EasternProfileAndNorthernSamplesFallOffTheRaster)
{
    Merge m;
    m.Add(SquareDem(11).Text());
    ASSERT_TRUE(m.Run());
    ASSERT_EQ(m.Width(), 10);  // 30" / 3"
    ASSERT_EQ(m.HeightOfImage(), 10);
    EXPECT_EQ(m.At(0, 0), 1);
    EXPECT_EQ(m.At(9, 9), 910);  // profile 10, elevation 10: the last one kept
    EXPECT_EQ(m.At(3, 2), 303);
    // Dropped samples still count as positive.
    EXPECT_EQ(m.t.ui.Texts(), std::vector<std::string>{m.CountMessage(121)});
    EXPECT_EQ(m.feedback.titles, std::vector<std::string>{FormatText(msg::kDemHeaderTitle.text, m.options.sourcePaths[0].c_str())});
    EXPECT_EQ(m.feedback.lineCount, 55u);
    EXPECT_EQ(m.feedback.currentFiles, (std::vector<std::string>{m.options.sourcePaths[0], ""}));
}

TEST(UsgsDemJob, AdjacentFilesMergeAndTheLaterOneOverwrites)
{
    Merge m;
    m.Add(SquareDem(5).Text());            // x 0..12"
    m.Add(SquareDem(5, 12.0, 6.0).Text());  // x 12..24", y 6..18": overlaps column 4
    ASSERT_TRUE(m.Run());
    ASSERT_EQ(m.Width(), 8);  // 24" / 3"
    ASSERT_EQ(m.HeightOfImage(), 6);  // 18" / 3"
    EXPECT_EQ(m.At(0, 0), 1);
    EXPECT_EQ(m.At(4, 0), 401);  // first file only
    EXPECT_EQ(m.At(4, 2), 1);    // the second file's first profile starts two rows up
    EXPECT_EQ(m.At(7, 5), 304);
    EXPECT_EQ(m.At(7, 0), 0);  // covered by neither file
}

TEST(UsgsDemJob, VoidValueBecomesZero)
{
    DemText dem;
    dem.Corners(0, 0, 30, 90).Resolution(30, 30).Profiles(1).Profile(1, 0, 0, {"-32767", "5", "-32767", "-7"});
    Merge kept;
    kept.Add(dem.Text());
    kept.feedback.keepChecking = false;
    ASSERT_TRUE(kept.Run());
    EXPECT_EQ(kept.At(0, 0), -32767);  // the default void is -9999

    Merge replaced;
    replaced.Add(dem.Text());
    replaced.options.voidValue = -32767;
    ASSERT_TRUE(replaced.Run());
    EXPECT_EQ(replaced.At(0, 0), 0);
    EXPECT_EQ(replaced.At(0, 1), 5);
    EXPECT_EQ(replaced.At(0, 2), 0);
    EXPECT_TRUE(replaced.feedback.questions.empty());  // compared after the replacement
    EXPECT_EQ(replaced.t.ui.Texts(), std::vector<std::string>{replaced.CountMessage(1)});
}

TEST(UsgsDemJob, TouchingFieldsAndFortranPositionsAreRead)
{
    DemText dem;
    dem.Corners(0, 0, 30, 90).Resolution(30, 30).Profiles(1);
    std::string text = dem.Text();
    // Six digits directly followed by "-12", and a position written with a D exponent.
    text += "     1     1     3     1  0.000000000000000D+00  0.000000000000000D+000  0.0  0.0  0.0 123456-12  7.5";
    Merge m;
    m.Add(text);
    ASSERT_TRUE(m.Run());
    EXPECT_EQ(m.At(0, 0), 123456);
    EXPECT_EQ(m.At(0, 1), -12);
    EXPECT_EQ(m.At(0, 2), 7);  // truncated
}

TEST(UsgsDemJob, RecordsWithAndWithoutLineFeedConvertAlike)
{
    Merge fixed, broken;
    fixed.Add(SquareDem(4).Text(false));
    broken.Add(SquareDem(4).Text(true));
    ASSERT_TRUE(fixed.Run());
    ASSERT_TRUE(broken.Run());
    EXPECT_EQ(fixed.Output(), broken.Output());
    EXPECT_EQ(fixed.At(2, 1), 202);
}

TEST(UsgsDemJob, SuspiciousJumpsAreAskedUntilCheckingIsSwitchedOff)
{
    DemText dem;
    dem.Corners(0, 0, 30, 120).Resolution(30, 30).Profiles(2);
    dem.Profile(1, 0, 0, {"10", "600", "88", "600"}).Profile(2, 30, 0, {"0", "512"});
    Merge asked;
    asked.Add(dem.Text());
    ASSERT_TRUE(asked.Run());
    ASSERT_EQ(asked.feedback.questions.size(), 4u);
    // Rows are counted from the top of a 4-row raster.
    EXPECT_EQ(asked.feedback.questions[0], FormatText(msg::kDemSuspiciousValue.text, 10L, 600L, 0, 2));
    EXPECT_EQ(asked.feedback.questions[3], FormatText(msg::kDemSuspiciousValue.text, 0L, 512L, 1, 2));
    EXPECT_EQ(asked.At(0, 1), 600);  // values are never changed

    Merge stopped;
    stopped.Add(dem.Text());
    stopped.Add(dem.Text());
    stopped.feedback.keepChecking = false;
    ASSERT_TRUE(stopped.Run());
    EXPECT_EQ(stopped.feedback.questions.size(), 2u);  // once per file
}

TEST(UsgsDemJob, CancelInAHeaderWritesNothing)
{
    Merge m;
    m.Add(SquareDem(3).Text());
    m.Add(SquareDem(3).Text());
    m.feedback.acceptHeaders = false;
    EXPECT_FALSE(m.Run());
    EXPECT_EQ(m.feedback.titles.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(m.options.targetPath));
    EXPECT_TRUE(m.t.ui.shown.empty());
}

TEST(UsgsDemJob, CancelDuringProfilesSavesNothingButCounts)
{
    Merge m;
    m.Add(SquareDem(6).Text());
    m.t.ui.cancelAfterPumps = 3;
    EXPECT_TRUE(m.Run());
    EXPECT_TRUE(m.cancelled);
    EXPECT_FALSE(std::filesystem::exists(m.options.targetPath));
    EXPECT_EQ(m.t.ui.Texts(), std::vector<std::string>{m.CountMessage(12)});  // two profiles of six
    EXPECT_EQ(m.t.ui.statusTexts, (std::vector<std::string>{"0%", "16%", "33%", ""}));
}

TEST(UsgsDemJob, UnreadableAndTruncatedFilesAreNamed)
{
    Merge m;
    const std::string absent = m.t.dir.File("absent.dem");
    m.options.sourcePaths.push_back(absent);
    std::string text = SquareDem(4).Text();
    const std::string cut = m.Add(text.substr(0, 1024 * 3 + 40));  // inside the third profile's items
    ASSERT_TRUE(m.Run());
    EXPECT_EQ(m.feedback.titles.size(), 1u);
    EXPECT_EQ(m.t.ui.Texts(), (std::vector<std::string>{FormatText(msg::kCannotOpenFile.text, absent.c_str()),
                                                        FormatText(msg::kDemTruncated.text, cut.c_str(), 3),
                                                        m.CountMessage(8)}));
    ASSERT_EQ(m.Width(), 3);
    EXPECT_EQ(m.At(1, 2), 103);
    EXPECT_EQ(m.At(2, 0), 0);
}

TEST(UsgsDemJob, GeometryThatMakesNoRasterIsRefused)
{
    DemText flat;
    flat.Corners(0, 0, 90, 90).Resolution(0, 30).Profiles(1);
    Merge noResolution;
    const std::string path = noResolution.Add(flat.Text());
    EXPECT_FALSE(noResolution.Run());
    EXPECT_EQ(noResolution.t.ui.Texts(), std::vector<std::string>{FormatText(msg::kDemNoResolution.text, path.c_str(), 0.0, 30.0)});

    DemText line;
    line.Corners(0, 0, 0, 90).Resolution(30, 30).Profiles(1);
    Merge empty;
    empty.Add(line.Text());
    EXPECT_FALSE(empty.Run());
    EXPECT_EQ(empty.t.ui.Texts(), std::vector<std::string>{FormatText(msg::kDemRasterSize.text, 0.0, 3.0)});

    Merge limited;
    limited.Add(SquareDem(11).Text());
    limited.options.pixelLimit = 99;
    EXPECT_FALSE(limited.Run());
    EXPECT_FALSE(std::filesystem::exists(limited.options.targetPath));

    Merge none;
    none.options.sourcePaths.push_back(none.t.dir.File("absent.dem"));
    EXPECT_FALSE(none.Run());
}

TEST(UsgsDemJob, InteractionFeedbackAsksWithTheDialogButtons)
{
    test::TestContext t;
    InteractionDemFeedback feedback(t.ui);
    t.ui.answers = {Answer::Ok, Answer::Cancel, Answer::Yes};
    EXPECT_TRUE(feedback.ConfirmHeader("DEM Data from File a.dem", {"one", "two"}));
    EXPECT_FALSE(feedback.ConfirmHeader("b", {}));
    EXPECT_TRUE(feedback.ContinueChecking("jump?"));
    EXPECT_FALSE(feedback.ContinueChecking("jump?"));  // the default answer is No
    EXPECT_EQ(t.ui.shown.at(0).text, "DEM Data from File a.dem\none\ntwo");
}

}  // namespace
}  // namespace vistagon
