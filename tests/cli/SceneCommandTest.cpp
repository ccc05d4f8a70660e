#include "SceneFields.h"
#include "flight/TerrainFixture.h"
#include "image/CTGAFile.h"
#include "scene/SceneScript.h"
#include "support/CliRunner.h"
#include "support/ScriptedInteraction.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace vistagon::cli {
namespace {

using test::CliResult;
using test::ReadFileBytes;
using test::RunCli;
using test::TestContext;

// Runs inside the test's folder, with a 65 x 49 terrain of one hill there.
class SceneCommandTest : public ::testing::Test {
protected:
    SceneCommandTest() : previous_(std::filesystem::current_path())
    {
        std::filesystem::current_path(t.dir.path());
        test::WriteTerrainFile(t.context, "dem.tga", 65, 49, [](int x, int y) {
            return static_cast<int>(2000.0 * std::exp(-((x - 32) * (x - 32) + (y - 24) * (y - 24)) / 300.0));
        });
    }
    ~SceneCommandTest() override { std::filesystem::current_path(previous_); }

    CliResult Scene(std::vector<std::string> words)
    {
        words.insert(words.begin(), {"--profile", t.dir.File("profile.ini"), "scene"});
        return RunCli(words);
    }
    SceneParameters Load(const std::string& path)
    {
        SceneParameters scene;
        EXPECT_TRUE(LoadScene(path, scene));
        return scene;
    }
    // The rendered frame's pixel, rows counted from the bottom.
    Bgr Pixel(const std::string& frame, int x, int y)
    {
        CTGAFile image(t.context);
        EXPECT_TRUE(image.OnOpenDocument(frame));
        return image.GetPixel(x, y);
    }

    std::filesystem::path previous_;
    TestContext t;
};

TEST_F(SceneCommandTest, NewSceneLooksAcrossTheTerrainFromTheSouthAndEndsOverItsFarSide)
{
    const CliResult made = Scene({"new", "s.vgs", "--elevation", "dem.tga", "ElevScaleX=10", "elevscaley=10",
                                  "ElevScaleZA=0.01", "ElevScaleZZ=0.01", "Total=5", "UseBackgroundColor=1",
                                  "BackgroundColor=FF0000", "OutputFileName=f%02d.tga"});
    ASSERT_EQ(made.status, 0) << made.err;
    const SceneParameters s = Load("s.vgs");
    EXPECT_EQ(s.GridX, 65);
    EXPECT_EQ(s.GridY, 49);
    EXPECT_EQ(s.To, 4);  // the whole flight
    EXPECT_LT(s.YA, 0.0);
    EXPECT_DOUBLE_EQ(s.XA, 325.0);
    EXPECT_GT(s.ZA, 20.0);
    EXPECT_GT(s.YZ, 245.0);
    EXPECT_LE(s.YZ, 490.0);
    EXPECT_GT(s.ZZ, 20.0);

    const CliResult rendered = RunCli({"--profile", t.dir.File("profile.ini"), "render", "s.vgs", "--jobs", "2"});
    ASSERT_EQ(rendered.status, 0) << rendered.err;
    const Bgr sky{0xFF, 0, 0};  // the colour value's bits 16-23 are the first byte
    // First frame: terrain at the bottom in the middle, sky above it and beside its near corners' level.
    EXPECT_NE(Pixel("f00.tga", 160, 120), sky);
    EXPECT_EQ(Pixel("f00.tga", 160, 235), sky);
    EXPECT_EQ(Pixel("f00.tga", 2, 120), sky);
    EXPECT_EQ(Pixel("f00.tga", 317, 120), sky);
    // Last frame: still above the ground, which fills its bottom.
    EXPECT_NE(Pixel("f04.tga", 160, 60), sky);
}

TEST_F(SceneCommandTest, FieldsOnTheLineWinAndTheGridIsCapped)
{
    test::WriteTerrainFile(t.context, "wide.tga", 1100, 3, [](int, int) { return 0; });
    const CliResult made = Scene({"new", "w.vgs", "--elevation", "wide.tga", "xa=5", "GRIDY=2", "--texture", "dem.tga"});
    ASSERT_EQ(made.status, 0) << made.err;
    const SceneParameters s = Load("w.vgs");
    EXPECT_EQ(s.XA, 5.0);
    EXPECT_EQ(s.GridX, 1024);
    EXPECT_EQ(s.GridY, 2);
    EXPECT_EQ(s.UseTextureFile, 1);
    EXPECT_EQ(s.TextureFileName, "dem.tga");
}

TEST_F(SceneCommandTest, InvalidScenesAreRefusedWithTheFormsMessageAndNothingIsWritten)
{
    CliResult r = Scene({"new", "a.vgs"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Cannot open file ''."), std::string::npos) << r.err;
    r = Scene({"new", "a.vgs", "--elevation", "dem.tga", "FocalLengthA=0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Focal length in first frame has to be greater than zero."), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists("a.vgs"));

    ASSERT_EQ(Scene({"new", "b.vgs", "--elevation", "dem.tga"}).status, 0);
    const std::string before = ReadFileBytes("b.vgs");
    EXPECT_EQ(Scene({"set", "b.vgs", "Total=0"}).status, 1);
    EXPECT_EQ(Scene({"set", "b.vgs", "Frobnicate=1"}).status, 2);
    EXPECT_EQ(Scene({"set", "b.vgs", "SizeX=wide"}).status, 2);
    EXPECT_EQ(Scene({"set", "b.vgs", "OutputFileFormat=3"}).status, 2);
    EXPECT_EQ(ReadFileBytes("b.vgs"), before);
}

TEST_F(SceneCommandTest, SetChangesOnlyTheNamedFields)
{
    ASSERT_EQ(Scene({"new", "c.vgs", "--elevation", "dem.tga"}).status, 0);
    const SceneParameters old = Load("c.vgs");
    const CliResult r = Scene({"set", "c.vgs", "headinga=12.5", "PathPoints=1,2;3,4", "BackgroundColor=ff8000", "OutputFileFormat=2"});
    ASSERT_EQ(r.status, 0) << r.err;
    const SceneParameters s = Load("c.vgs");
    EXPECT_EQ(s.HeadingA, 12.5);
    EXPECT_EQ(s.PathPointCount(), 2);
    EXPECT_EQ(s.PathPoints[1], (PathPoint{3, 4}));
    EXPECT_EQ(s.BackgroundColor, 0xFF8000u);
    EXPECT_EQ(s.OutputFileFormat, OutputKind::TgaAndYuv);
    EXPECT_EQ(s.XA, old.XA);
    EXPECT_EQ(s.DustZ, old.DustZ);
}

TEST_F(SceneCommandTest, ThePathTypeIsSetAndShownByName)
{
    ASSERT_EQ(Scene({"new", "p.vgs", "--elevation", "dem.tga"}).status, 0);
    // A curve needs more than two frames and its flight security.
    ASSERT_EQ(Scene({"set", "p.vgs", "PathType=open", "Total=10", "AverageHeight=20", "PreviewRange=2"}).status, 0);
    EXPECT_EQ(Load("p.vgs").PathType, SceneParameters::kOpenCurve);
    EXPECT_NE(RunCli({"info", "p.vgs"}).out.find("PathType             2 (open curve)\n"), std::string::npos);
    ASSERT_EQ(Scene({"set", "p.vgs", "pathtype=Closed"}).status, 0);
    EXPECT_EQ(Load("p.vgs").PathType, SceneParameters::kClosedCurve);
    EXPECT_NE(RunCli({"info", "p.vgs"}).out.find("PathType             1 (closed curve)\n"), std::string::npos);
    ASSERT_EQ(Scene({"set", "p.vgs", "PathType=0"}).status, 0);
    EXPECT_NE(RunCli({"info", "p.vgs"}).out.find("PathType             0 (straight)\n"), std::string::npos);
    EXPECT_EQ(Scene({"set", "p.vgs", "PathType=loop"}).status, 2);
}

TEST_F(SceneCommandTest, EveryNameThatInfoPrintsCanBeSet)
{
    ASSERT_EQ(Scene({"new", "d.vgs", "--elevation", "dem.tga"}).status, 0);
    const CliResult info = RunCli({"info", "d.vgs"});
    ASSERT_EQ(info.status, 0);
    std::istringstream lines(info.out);
    std::string line;
    int names = 0;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == ' ') continue;
        const std::string name = line.substr(0, line.find(' '));
        EXPECT_FALSE(SceneFields::Canonical(name).empty()) << name;
        ++names;
    }
    EXPECT_EQ(names, static_cast<int>(SceneFields::Names().size()));
}

}  // namespace
}  // namespace vistagon::cli
