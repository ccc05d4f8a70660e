#include "platform/IniFile.h"
#include "scene/SceneScript.h"
#include "scene/ScriptFile.h"
#include "support/ScriptedInteraction.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::ReadFileBytes;
using test::TestContext;
using test::WriteFileBytes;

// A new scene with a readable elevation file, as the first save needs.
SceneParameters SavableScene(TestContext& t)
{
    SceneParameters scene = LoadDefaults();
    scene.ElevationFileName = t.dir.File("elev.tga");
    WriteFileBytes(scene.ElevationFileName, "x");
    return scene;
}

TEST(SceneSave, ANewSceneNeedsAReadableElevationFile)
{
    TestContext t;
    const std::string path = t.dir.File("new.vgs");
    int control = 0;
    EXPECT_FALSE(SaveScene(t.context, LoadDefaults(), path, &control));
    ASSERT_EQ(t.ui.shown.size(), 1u);
    EXPECT_EQ(t.ui.shown[0].text, "Cannot open file ''.");
    EXPECT_EQ(t.ui.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(control, 346);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(SceneSave, TheSavedTextIsCanonical)
{
    TestContext t;
    SceneParameters scene = SavableScene(t);
    scene.BackgroundColor = 0xFF8000;
    scene.LastPathPoint = 1;
    scene.PathPoints[0] = {120, 45};
    scene.PathPoints[1] = {-3, 7};
    const std::string path = t.dir.File("s.vgs");
    ASSERT_TRUE(SaveScene(t.context, scene, path));
    const std::string text = ReadFileBytes(path);
    const std::string opening =
        "[Param]\nBeobXA=-100.000000\nBeobYA=-100.000000\nBeobZA=100.000000\nRichtungA=45.000000\n"
        "NeigungA=-25.000000\nBrennA=250.000000\nVerkantenA=0.000000\nBeobXE=0.000000\n";
    EXPECT_EQ(text.substr(0, opening.size()), opening);
    EXPECT_NE(text.find("\nAusDateiname=nn%03d.tga\n"), std::string::npos);
    EXPECT_NE(text.find("\nAusgabeTGA=1\nAusgabeYUV=0\n"), std::string::npos);
    EXPECT_NE(text.find("\nGenauRechnen=0\nHintergrund=FF8000\nRundflug=0\nPunkt00=120,45\nPunkt01=-3,7\nHoeheUeberBoden=0.000000\n"),
              std::string::npos);
    EXPECT_EQ(text.find("KannBerechnen"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 11), "Recorder=0\n");
    EXPECT_TRUE(t.ui.shown.empty());
}

TEST(SceneSave, SavingOverAnOldFileDropsStalePointsAndForeignKeys)
{
    TestContext t;
    const std::string path = t.dir.File("old.vgs");
    WriteFileBytes(path, "[Param]\r\nBeobXA=1\r\nPunkt00=1,2\r\nPunkt01=3,4\r\nPunkt02=5,6\r\nStale=9\r\n[Other]\r\nk=v\r\n");
    SceneParameters scene = SavableScene(t);
    scene.LastPathPoint = 0;
    ASSERT_TRUE(SaveScene(t.context, scene, path));
    const std::string text = ReadFileBytes(path);
    EXPECT_EQ(text.find("Punkt01"), std::string::npos);
    EXPECT_EQ(text.find("Stale"), std::string::npos);
    EXPECT_EQ(text.find("[Other]"), std::string::npos);
}

TEST(SceneSave, AWriteFailureAsksRetryAndLeavesNoTemporaryFiles)
{
    TestContext t;
    // A folder in the target's place cannot be replaced by a file.
    const std::string path = t.dir.File("scene.vgs");
    std::filesystem::create_directory(path);
    WriteFileBytes(path + "/inside", "kept");
    t.ui.answers = {Answer::Yes, Answer::No};
    EXPECT_FALSE(SaveScene(t.context, SavableScene(t), path));
    ASSERT_EQ(t.ui.shown.size(), 2u);
    EXPECT_EQ(t.ui.shown[0].text, "Could not save VGS file\n'" + path + "'.\nRetry?");
    EXPECT_TRUE(t.ui.shown[1].question);
    EXPECT_EQ(ReadFileBytes(path + "/inside"), "kept");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(t.dir.path())) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"elev.tga", "scene.vgs"}));
}

TEST(SceneLoad, RefusesFilesWithoutTheFirstCameraValue)
{
    TestContext t;
    const std::string path = t.dir.File("bad.vgs");
    WriteFileBytes(path, "[Param]\nBeobXA=\nBeobYA=3\n");
    SceneParameters scene;
    EXPECT_FALSE(LoadScene(path, scene));
    WriteFileBytes(path, "[Something]\nBeobXA=1\n");
    EXPECT_FALSE(LoadScene(path, scene));
}

TEST(SceneLoad, ReadsValuesByTheirRules)
{
    TestContext t;
    const std::string path = t.dir.File("rules.vgs");
    const std::string longName(100, 'n');
    WriteFileBytes(path,
                   "[Param]\r\nBeobXA=12.5\r\nBeobYA=abc\r\nBeobZA=\r\nBildanzahl=12frames\r\nOffset=x\r\n"
                   "AusgabeTGA=0\r\nAusgabeYUV=0\r\nHDateiname=" + longName + "\r\nHintergrund=nothex\r\n"
                   "Punkt00=10,20\r\nPunkt01=30\r\nPunkt03=50,60\r\nRundflug=1\r\n");
    SceneParameters scene;
    scene.YA = 7.0;
    scene.ZA = 9.0;
    scene.BackgroundColor = 0x123456;
    ASSERT_TRUE(LoadScene(path, scene));
    EXPECT_DOUBLE_EQ(scene.XA, 12.5);
    EXPECT_DOUBLE_EQ(scene.YA, 7.0);  // unparsable: unchanged
    EXPECT_DOUBLE_EQ(scene.ZA, 0.0);  // empty: zero
    EXPECT_DOUBLE_EQ(scene.XZ, 0.0);  // absent: zero
    EXPECT_EQ(scene.Total, 12);
    EXPECT_EQ(scene.Offset, 0);
    EXPECT_EQ(scene.OutputFileFormat, OutputKind::TgaOnly);
    EXPECT_EQ(scene.ElevationFileName, longName);  // read whole
    EXPECT_EQ(scene.BackgroundColor, 0x123456u);
    EXPECT_EQ(scene.PathType, 1);
    ASSERT_EQ(scene.LastPathPoint, 1);
    EXPECT_EQ(scene.PathPoints[0], (PathPoint{10, 20}));
    EXPECT_EQ(scene.PathPoints[1], (PathPoint{30, 0}));
    EXPECT_EQ(scene.PathPoints[3], (PathPoint{0, 0}));
}

TEST(SceneLoad, OutputKindDecoding)
{
    TestContext t;
    const std::string path = t.dir.File("k.vgs");
    const auto kindOf = [&](const char* tga, const char* yuv) {
        WriteFileBytes(path, std::string("[Param]\nBeobXA=1\nAusgabeTGA=") + tga + "\nAusgabeYUV=" + yuv + "\n");
        SceneParameters scene;
        EXPECT_TRUE(LoadScene(path, scene));
        return scene.OutputFileFormat;
    };
    EXPECT_EQ(kindOf("1", "0"), OutputKind::TgaOnly);
    EXPECT_EQ(kindOf("1", "1"), OutputKind::TgaAndYuv);
    EXPECT_EQ(kindOf("0", "1"), OutputKind::YuvOnly);
    EXPECT_EQ(kindOf("0", "0"), OutputKind::TgaOnly);
}

TEST(SceneScript, SaveThenLoadGivesTheSameScene)
{
    TestContext t;
    SceneParameters scene = SavableScene(t);
    scene.HeadingZ = 12.25;
    scene.OutputFileFormat = OutputKind::YuvOnly;
    scene.TextureFileName = std::string(200, 't');
    scene.BackgroundColor = 0xABCDEF;
    scene.UseRecorder = 1;
    scene.LastPathPoint = 2;
    scene.PathPoints[2] = {5, -6};
    const std::string path = t.dir.File("rt.vgs");
    ASSERT_TRUE(SaveScene(t.context, scene, path));
    SceneParameters back;
    ASSERT_TRUE(LoadScene(path, back));
    EXPECT_EQ(back.HeadingZ, 12.25);
    EXPECT_EQ(back.OutputFileFormat, OutputKind::YuvOnly);
    EXPECT_EQ(back.TextureFileName, scene.TextureFileName);
    EXPECT_EQ(back.ElevationFileName, scene.ElevationFileName);
    EXPECT_EQ(back.BackgroundColor, 0xABCDEFu);
    EXPECT_EQ(back.UseRecorder, 1);
    EXPECT_EQ(back.LastPathPoint, 2);
    EXPECT_EQ(back.PathPoints[2], (PathPoint{5, -6}));
    EXPECT_EQ(back.SizeX, 320);
}

TEST(SceneScript, AnOpenFlightIsAValueOfTheCurvedFlightKey)
{
    TestContext t;
    SceneParameters scene = SavableScene(t);
    scene.PathType = SceneParameters::kOpenCurve;
    scene.Total = 10;
    scene.AverageHeight = 20;
    scene.PreviewRange = 2;
    const std::string path = t.dir.File("open.vgs");
    ASSERT_TRUE(SaveScene(t.context, scene, path));
    const std::string text = ReadFileBytes(path);
    EXPECT_NE(text.find("\nRundflug=2\nHoeheUeberBoden=20.000000\n"), std::string::npos) << text;
    SceneParameters back;
    ASSERT_TRUE(LoadScene(path, back));
    EXPECT_EQ(back.PathType, SceneParameters::kOpenCurve);
    EXPECT_TRUE(back.IsCurved());
    // Saving the loaded scene again gives the same bytes: no key of its own.
    ASSERT_TRUE(SaveScene(t.context, back, path));
    EXPECT_EQ(ReadFileBytes(path), text);
}

TEST(SceneScript, TheRenderCopyCarriesEveryCurrentValueAndKannBerechnen)
{
    TestContext t;
    const std::string saved = t.dir.File("saved.vgs");
    WriteFileBytes(saved, "[Param]\nBeobXA=1.0\nPunkt00=1,1\nPunkt01=2,2\nPunkt02=3,3\nKannBerechnen=1\n");
    const std::string copy = t.dir.File("copy.vgs");
    CopyScene(saved, copy);
    EXPECT_EQ(ReadFileBytes(copy).find("KannBerechnen"), std::string::npos);
    const IniDocument copied = IniDocument::Load(copy);
    EXPECT_EQ(copied.Get("Param", "BeobYA"), "");  // absent in the source: written empty
    EXPECT_EQ(copied.Get("Param", "Punkt02"), "3,3");

    SceneParameters scene = LoadDefaults();
    scene.XA = 42.0;
    scene.LastPathPoint = 0;
    WriteScene(scene, copy);
    const ScriptFile script(copy);
    EXPECT_EQ(script.GetInt("KannBerechnen"), 1);
    EXPECT_EQ(script.GetDouble("BeobXA"), 42.0);
    double x = 0, y = 0;
    EXPECT_TRUE(script.GetPathPoint(0, x, y));
    EXPECT_EQ(x, 0.0);
    EXPECT_FALSE(script.GetPathPoint(1, x, y));  // the saved file's further points are gone
    EXPECT_EQ(IniDocument::Load(copy).Get("Param", "Punkt02"), std::nullopt);
}

TEST(ScriptFile, PathPointsEndAtMinusOneOrAtAMissingNumber)
{
    TestContext t;
    const std::string path = t.dir.File("p.vgs");
    WriteFileBytes(path, "[Param]\nPunkt00=10.5,20\nPunkt01=-1,5\nPunkt02=7\n");
    const ScriptFile script(path);
    double x = 0, y = 0;
    ASSERT_TRUE(script.GetPathPoint(0, x, y));
    EXPECT_EQ(x, 10.5);
    EXPECT_EQ(y, 20.0);
    EXPECT_FALSE(script.GetPathPoint(1, x, y));
    EXPECT_FALSE(script.GetPathPoint(2, x, y));
    EXPECT_FALSE(script.GetPathPoint(3, x, y));
    EXPECT_EQ(script.GetDouble("Missing"), 0.0);
}

}  // namespace
}  // namespace vistagon
