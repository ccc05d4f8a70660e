#include "scene/SceneClipboardText.h"
#include "scene/SceneScript.h"

#include <gtest/gtest.h>

namespace vistagon {
namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
    return lines;
}

SceneParameters OddScene()
{
    SceneParameters s = LoadDefaults();
    s.XA = 1.5; s.XZ = -2.25; s.YA = 3; s.YZ = 4.125; s.ZA = 5; s.ZZ = 6;
    s.HeadingA = 7; s.HeadingZ = 8; s.PitchA = -9; s.PitchZ = -10; s.RollA = 11; s.RollZ = 12;
    s.FocalLengthA = 13; s.FocalLengthZ = 14; s.ElevScaleZA = 0.015; s.ElevScaleZZ = 0.016;
    s.DustA = 17; s.DustZ = 18; s.OutputFileFormat = OutputKind::TgaAndYuv;
    s.OutputFileName = "out/f%04d.tga"; s.ElevationFileName = "elev.tga"; s.TextureFileName = "tex.tga";
    s.MaskFileName = "";
    s.SizeX = 640; s.SizeY = 480; s.ElevScaleX = 2.5; s.ElevScaleY = 3.5; s.GridX = 32; s.GridY = 33;
    s.LightX = 0.5; s.LightY = -0.5; s.LightZ = -1; s.HQ = 1; s.UseTextureFile = 1; s.UseMaskFile = 0;
    s.UseBackgroundColor = 1; s.UseRecorder = 1; s.AverageHeight = 40; s.PreviewRange = 41;
    s.RollFactor = 0.42; s.PathType = 1; s.Smoothness = 0.43; s.Total = 44; s.From = 3; s.To = 40; s.Offset = 46;
    return s;
}

TEST(SceneClipboardText, NewSceneTextHasTheHeaderAndFortySixLabelledLinesInOrder)
{
    const std::vector<std::string> lines = Lines(SceneClipboardText::Format(LoadDefaults()));
    ASSERT_EQ(lines.size(), 47u);
    EXPECT_EQ(lines[0], "Vistagon Clipboard Data - VGS");
    EXPECT_EQ(lines[1], "-100.\t(XA)");
    EXPECT_EQ(lines[2], "0.\t(XZ)");
    EXPECT_EQ(lines[13], "250.\t(FocalLengthA)");
    EXPECT_EQ(lines[15], "0.1\t(ElevScaleZA)");
    EXPECT_EQ(lines[19], "0\t(OutputFileFormat)");
    EXPECT_EQ(lines[20], "nn%03d.tga\t(OutputFileName)");
    EXPECT_EQ(lines[21], "\t(ElevationFileName)");
    EXPECT_EQ(lines[24], "320\t(SizeX)");
    EXPECT_EQ(lines[32], "-2.\t(LightZ)");
    EXPECT_EQ(lines[41], "0\t(PathType)");
    EXPECT_EQ(lines[43], "1\t(Total)");
    EXPECT_EQ(lines[46], "0\t(Offset)");
}

TEST(SceneClipboardText, DoublesLoseTrailingZerosButKeepThePoint)
{
    EXPECT_EQ(SceneClipboardText::FormatDouble(250.0), "250.");
    EXPECT_EQ(SceneClipboardText::FormatDouble(0.1), "0.1");
    EXPECT_EQ(SceneClipboardText::FormatDouble(-100.0), "-100.");
    EXPECT_EQ(SceneClipboardText::FormatDouble(1e-7), "0.");
    EXPECT_EQ(SceneClipboardText::FormatDouble(0.123456), "0.123456");
    EXPECT_EQ(SceneClipboardText::FormatDouble(1e20), "100000000000000000000.");
}

TEST(SceneClipboardText, PasteRestoresEveryValueButKeepsPathPointsAndColour)
{
    const SceneParameters source = OddScene();
    SceneParameters target = LoadDefaults();
    target.BackgroundColor = 0x123456;
    target.LastPathPoint = 0;
    target.PathPoints[0] = {7, 9};
    ASSERT_TRUE(SceneClipboardText::Parse(SceneClipboardText::Format(source), target));
    EXPECT_EQ(SceneClipboardText::Format(target), SceneClipboardText::Format(source));
    EXPECT_EQ(target.OutputFileFormat, OutputKind::TgaAndYuv);
    EXPECT_EQ(target.OutputFileName, "out/f%04d.tga");
    EXPECT_EQ(target.MaskFileName, "");
    EXPECT_EQ(target.Offset, 46);
    EXPECT_EQ(target.BackgroundColor, 0x123456u);
    EXPECT_EQ(target.LastPathPoint, 0);
    EXPECT_EQ(target.PathPoints[0], (PathPoint{7, 9}));
}

TEST(SceneClipboardText, AnOpenCurveTravelsAsItsPathTypeNumber)
{
    SceneParameters source = OddScene();
    source.PathType = SceneParameters::kOpenCurve;
    const std::string text = SceneClipboardText::Format(source);
    EXPECT_NE(text.find("\r\n2\t(PathType)\r\n"), std::string::npos);
    SceneParameters target = LoadDefaults();
    ASSERT_TRUE(SceneClipboardText::Parse(text, target));
    EXPECT_EQ(target.PathType, SceneParameters::kOpenCurve);
}

TEST(SceneClipboardText, AShortTextFillsTheFirstFieldsAndReadsTheRestFromItsEnd)
{
    std::string text = "Vistagon Clipboard Data - VGS\r\n";
    for (int i = 1; i <= 10; ++i) text += std::to_string(i) + ".5\t(x)\r\n";
    SceneParameters scene = OddScene();
    ASSERT_TRUE(SceneClipboardText::Parse(text, scene));
    EXPECT_EQ(scene.XA, 1.5);
    EXPECT_EQ(scene.PitchZ, 10.5);
    EXPECT_EQ(scene.RollA, 0.0);       // doubles become 0
    EXPECT_EQ(scene.SizeX, 640);       // integers keep their values
    EXPECT_EQ(scene.Total, 44);
    EXPECT_EQ(scene.OutputFileName, "");  // texts become empty
    EXPECT_EQ(scene.OutputFileFormat, OutputKind::TgaAndYuv);
}

TEST(SceneClipboardText, OnlyAHeaderAtTheStartIsAccepted)
{
    const std::string text = SceneClipboardText::Format(OddScene());
    EXPECT_TRUE(SceneClipboardText::HasHeader(text));
    EXPECT_FALSE(SceneClipboardText::HasHeader("x" + text));
    EXPECT_FALSE(SceneClipboardText::HasHeader("Vistagon Clipboard Data - VG"));
    SceneParameters scene = LoadDefaults();
    EXPECT_FALSE(SceneClipboardText::Parse(" " + text, scene));
    EXPECT_EQ(scene.XA, -100.0);
}

TEST(SceneClipboardText, LongTextsAndUnparsableIntegersAreSafe)
{
    SceneParameters source = OddScene();
    source.ElevationFileName = std::string(5000, 'e');
    const std::string text = SceneClipboardText::Format(source);
    EXPECT_GT(text.size(), 4096u);
    SceneParameters target = LoadDefaults();
    ASSERT_TRUE(SceneClipboardText::Parse(text, target));
    EXPECT_EQ(target.ElevationFileName, source.ElevationFileName);

    std::string bad = text;
    const size_t sizeLine = bad.find("640\t(SizeX)");
    bad.replace(sizeLine, 3, "abc");
    target.SizeX = 99;
    ASSERT_TRUE(SceneClipboardText::Parse(bad, target));
    EXPECT_EQ(target.SizeX, 99);
    EXPECT_EQ(target.SizeY, 480);
}

}  // namespace
}  // namespace vistagon
