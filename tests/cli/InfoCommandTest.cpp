#include "image/CTGAFile.h"
#include "scene/SceneScript.h"
#include "support/CliRunner.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::RunCli;
using test::TestContext;
using test::WriteFileBytes;

TEST(InfoCommand, PrintsTheHeaderOfATga)
{
    TestContext t;
    CTGAFile image(t.context);
    ASSERT_TRUE(image.CreateImage(640, 3));
    ASSERT_TRUE(image.OnSaveDocument(t.dir.File("a.tga")));
    const auto r = RunCli({"--profile", t.dir.File("p.ini"), "info", t.dir.File("a.tga")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("width                  640\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("height                 3\n"), std::string::npos);
    EXPECT_NE(r.out.find("image type             2\n"), std::string::npos);
}

TEST(InfoCommand, PrintsTheValuesOfASceneByFieldName)
{
    TestContext t;
    SceneParameters scene = LoadDefaults();
    scene.ElevationFileName = "terrain.tga";
    scene.LastPathPoint = 0;
    scene.PathPoints[0] = {3, 4};
    WriteScene(scene, t.dir.File("s.vgs"));
    const auto r = RunCli({"info", "--profile", t.dir.File("p.ini"), t.dir.File("s.vgs")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("FocalLengthA         250.000000\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("ElevationFileName    terrain.tga\n"), std::string::npos);
    EXPECT_NE(r.out.find("Punkt00 3,4\n"), std::string::npos);
}

TEST(InfoCommand, FailuresAndUsageErrorsHaveTheirExitStatus)
{
    TestContext t;
    const std::string profile = t.dir.File("p.ini");
    auto r = RunCli({"--profile", profile, "info", t.dir.File("missing.tga")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Cannot open file '" + t.dir.File("missing.tga") + "'.\n");
    WriteFileBytes(t.dir.File("junk.tga"), "not a tga");
    r = RunCli({"--profile", profile, "info", t.dir.File("junk.tga")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Could not read TGA file"), std::string::npos);
    WriteFileBytes(t.dir.File("junk.vgs"), "[Param]\n");
    EXPECT_EQ(RunCli({"--profile", profile, "info", t.dir.File("junk.vgs")}).status, 1);
    EXPECT_EQ(RunCli({"info"}).status, 2);
    EXPECT_EQ(RunCli({"info", "a", "b"}).status, 2);
    EXPECT_EQ(RunCli({"info", "--bogus", "a"}).status, 2);
    EXPECT_EQ(RunCli({"nonsense"}).status, 2);
}

}  // namespace
}  // namespace vistagon
