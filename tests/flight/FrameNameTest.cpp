#include "flight/FrameName.h"
#include "flight/RecorderLog.h"
#include "support/CommaLocale.h"
#include "support/ScriptedInteraction.h"

#include <algorithm>
#include <clocale>
#include <filesystem>
#include <cstdlib>
#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

TEST(OutputTemplate, AcceptedConversions)
{
    TempDir dir;
    const auto accepted = [&](const std::string& name) { return !CheckOutputTemplate(dir.File(name)).has_value(); };
    for (const char* ok : {"a%d.tga", "a%04d.tga", "a%00d.tga", "a%05X.tga", "a%x.tga", "a%03d.tga", "a%3d%i.tga"})
        EXPECT_TRUE(accepted(ok)) << ok;
    for (const char* bad : {"a%3d.tga", "a%0X.tga", "a%06d.tga", "a%ld.tga", "plain.tga", "a%s.tga"})
        EXPECT_FALSE(accepted(bad)) << bad;
    EXPECT_EQ(CheckOutputTemplate("plain.tga"), "Output file name template has to contain a valid C/C++ number format string.");
}

TEST(OutputTemplate, TheFirstNameMustLieInAReadableFolder)
{
    TempDir dir;
    WriteFileBytes(dir.File("f0.tga"), "exists");
    EXPECT_FALSE(CheckOutputTemplate(dir.File("f%d.tga")).has_value());
    const std::string missingFolder = dir.File("none/f%d.tga");
    EXPECT_EQ(CheckOutputTemplate(missingFolder), "Cannot open file '" + missingFolder + "'.");
    std::filesystem::create_directory(dir.File("d0"));
    EXPECT_TRUE(CheckOutputTemplate(dir.File("d%d")).has_value());  // a folder is no frame file
}

TEST(FrameName, FormatsTheFirstIntegerConversionLikePrintf)
{
    EXPECT_EQ(FormatFrameName("nn%03d.tga", 100), "nn100.tga");
    EXPECT_EQ(FormatFrameName("nn%03d.tga", 107), "nn107.tga");
    EXPECT_EQ(FormatFrameName("nn%03d.tga", 7), "nn007.tga");
    EXPECT_EQ(FormatFrameName("f%x_%X.tga", 255), "fff_%X.tga");
    EXPECT_EQ(FormatFrameName("f%-5d|", 42), "f42   |");
    EXPECT_EQ(FormatFrameName("f%+d", 42), "f+42");
    EXPECT_EQ(FormatFrameName("f%ld.tga", 12), "f12.tga");
    EXPECT_EQ(FormatFrameName("f%.4u", 12), "f0012");
    EXPECT_EQ(FormatFrameName("f%o", 8), "f10");
    EXPECT_EQ(FormatFrameName("f%d", -3), "f-3");
}

TEST(FrameName, NeverReadsAnotherArgument)
{
    EXPECT_EQ(FormatFrameName("%s-%d-%n%f.tga", 5), "%s-5-%n%f.tga");
    EXPECT_EQ(FormatFrameName("100%%_%d", 5), "100%_5");
    EXPECT_EQ(FormatFrameName("%*d_%d", 5), "%*d_5");
    EXPECT_EQ(FormatFrameName("end%", 5), "end%");
    EXPECT_EQ(FormatFrameName("%99999999999d", 5), "%99999999999d");  // an impossible width stays text
    // A modifier printf does not know is no conversion: the next one still numbers the frame.
    EXPECT_EQ(FormatFrameName("x%hld_%03d.tga", 5), "x%hld_005.tga");
    EXPECT_EQ(FormatFrameName("x%Ld_%03d.tga", 5), "x5_%03d.tga");
}

TEST(FrameName, FilesPerOutputKind)
{
    EXPECT_EQ(FrameOutputFiles("frame0.tga", OutputKind::TgaOnly), (std::vector<std::string>{"frame0.tga"}));
    EXPECT_EQ(FrameOutputFiles("frame0.tga", OutputKind::YuvOnly), (std::vector<std::string>{"frame0.yuv"}));
    EXPECT_EQ(FrameOutputFiles("d/frame0.tga", OutputKind::TgaAndYuv), (std::vector<std::string>{"d/frame0.tga", "d/frame0.yuv"}));
}

TEST(RecorderLog, RowsUseFixedWidthsAndTheUserDecimalSeparator)
{
    RecorderRow row{12.5, -3.25, 100, 20.125, -10, 0, 0};
    EXPECT_EQ(RecorderLog::FormatRow(row, '.'),
              "    12.500\t    -3.250\t   100.000\t    20.125\t   -10.000\t     0.000\t     0.00000000\r\n");
    EXPECT_EQ(RecorderLog::FormatRow(row, ',').substr(0, 10), "    12,500");
}

TEST(RecorderLog, WritesAHeaderAndOneFlushedRowPerFrame)
{
    TempDir dir;
    test::ScriptedInteraction ui;
    RecorderLog log;
    ASSERT_TRUE(log.Open(ui, dir.path().string()));
    for (int i = 0; i < 3; ++i) log.Append(RecorderRow{double(i), 0, 0, 0, 0, 0, 0.5});
    const std::string text = ReadFileBytes(dir.File("VGRECORD.XLS"));  // readable before Close: flushed
    const std::string header = "Pos.x\tPos.y\tAltitude\tRel. Alt.\tPitch\tRoll\tCurvature\r\n";
    EXPECT_EQ(text.substr(0, header.size()), header);
    EXPECT_EQ(text.substr(header.size(), 10), "     0.000");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
    log.Close();
    ASSERT_TRUE(log.Open(ui, dir.path().string()));  // a new job starts a new log
    log.Close();
    const std::string fresh = ReadFileBytes(dir.File("VGRECORD.XLS"));
    EXPECT_EQ(std::count(fresh.begin(), fresh.end(), '\n'), 1);
}

TEST(RecorderLog, ACommaLocaleChangesTheRowsOnly)
{
    TempDir locales;
    const std::string locpath = test::MakeCommaLocale(locales);
    if (locpath.empty()) GTEST_SKIP() << "localedef or the de_DE locale source is not available";
    TempDir dir;
    bool opened = false;
    {
        const test::CommaLocaleScope comma(locpath);
        test::ScriptedInteraction ui;
        RecorderLog log;
        opened = log.Open(ui, dir.path().string());
        log.Append(RecorderRow{12.5, 0, 0, 0, 0, 0, 0});
    }
    ASSERT_TRUE(opened);
    const std::string text = ReadFileBytes(dir.File("VGRECORD.XLS"));
    EXPECT_NE(text.find("Rel. Alt."), std::string::npos);
    EXPECT_NE(text.find("\r\n    12,500\t     0,000\t"), std::string::npos);
    EXPECT_NE(text.find("     0,00000000\r\n"), std::string::npos);
}

TEST(RecorderLog, AnUncreatableLogIsReportedAsInformation)
{
    TempDir dir;
    test::ScriptedInteraction ui;
    RecorderLog log;
    EXPECT_FALSE(log.Open(ui, dir.File("missing")));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Cannot open file 'VGRECORD.XLS'.");
    EXPECT_EQ(ui.shown[0].icon, MessageIcon::Information);
    log.Append(RecorderRow{});  // harmless without a file
}

}  // namespace
}  // namespace vistagon
