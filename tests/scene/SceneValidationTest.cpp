#include "scene/SceneScript.h"
#include "scene/SceneValidation.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::TempDir;
using test::WriteFileBytes;

class SceneValidationTest : public ::testing::Test {
protected:
    SceneValidationTest()
    {
        scene = LoadDefaults();
        scene.ElevationFileName = dir.File("elev.tga");
        WriteFileBytes(scene.ElevationFileName, "x");
        scene.OutputFileName = dir.File("nn%03d.tga");
    }

    // The message and control of the first failure, or "ok".
    std::pair<std::string, int> Result() const
    {
        auto problem = ValidateScene(scene);
        return problem ? std::make_pair(problem->message, problem->control) : std::make_pair(std::string("ok"), 0);
    }

    TempDir dir;
    SceneParameters scene;
};

TEST_F(SceneValidationTest, ANewSceneWithAnElevationFilePasses)
{
    EXPECT_EQ(Result().first, "ok");
}

TEST_F(SceneValidationTest, FrameCountsDependOnThePathType)
{
    scene.Total = 2;
    EXPECT_EQ(Result().first, "ok");
    scene.PathType = 1;
    scene.AverageHeight = 10;
    scene.PreviewRange = 5;
    EXPECT_EQ(Result(), std::make_pair(std::string("Total frame count has to be greater than 2 in curved paths."), 413));
    scene.Total = 16384;
    EXPECT_EQ(Result().first, "ok");
    scene.Total = 16385;
    EXPECT_EQ(Result().first, "The fotal frame count cannot exceed 16384.");
    scene.PathType = 0;
    scene.Total = 0;
    EXPECT_EQ(Result().first, "Total frame count has to be greater than zero in straight paths.");
}

TEST_F(SceneValidationTest, FrameRangeChecksNameTheirControls)
{
    scene.Total = 10;
    scene.From = 5;
    scene.To = 3;
    EXPECT_EQ(Result(), std::make_pair(std::string("Last frame number has to be greater than or equal first frame number."), 350));
    scene.From = -1;
    EXPECT_EQ(Result(), std::make_pair(std::string("First frame number has to be between zero and (total frame count - 1)."), 350));
    scene.From = 10;
    EXPECT_EQ(Result().first, "The first frame number has to be less than the total frame count.");
    scene.From = 0;
    scene.To = -1;
    EXPECT_EQ(Result(), std::make_pair(std::string("Last frame has to be greater than or equal zero."), 412));
    scene.To = 10;
    EXPECT_EQ(Result().first, "The last frame number has to be less than the total frame count.");
}

TEST_F(SceneValidationTest, LightDustAndSmoothness)
{
    scene.LightX = scene.LightY = scene.LightZ = 0.0;
    EXPECT_EQ(Result(), std::make_pair(std::string("Incident light vector has to contain at least one non-zero value in x, y or z."), 368));
    scene.LightZ = -0.001;
    EXPECT_EQ(Result().first, "ok");
    scene.DustZ = 0;
    EXPECT_EQ(Result(), std::make_pair(std::string("Dust constant must have a value greater than zero."), 341));
    scene.DustZ = 1e-300;
    EXPECT_EQ(Result().first, "ok");
    scene.Smoothness = 1.0000001;
    EXPECT_EQ(Result().first, "0.0 <= Smoothness <= 1.0");
}

TEST_F(SceneValidationTest, EarlierChecksWinOverLaterOnes)
{
    scene.FocalLengthZ = 0;
    scene.SizeX = 0;
    scene.ElevationFileName = dir.File("missing.tga");
    EXPECT_EQ(Result(), std::make_pair(std::string("Focal length in last frame has to be greater than zero."), 349));
    scene.FocalLengthZ = 1;
    EXPECT_EQ(Result(), std::make_pair(std::string("Width of output file must be greater than zero."), 400));
    scene.SizeX = 1;
    EXPECT_EQ(Result(), std::make_pair("Cannot open file '" + dir.File("missing.tga") + "'.", 346));
}

TEST_F(SceneValidationTest, FlightSecurityOnlyForCurvedPaths)
{
    scene.Total = 3;
    EXPECT_EQ(Result().first, "ok");
    scene.PathType = 1;
    EXPECT_EQ(Result(), std::make_pair(std::string("The average height above ground has to be greater than zero."), 312));
    scene.AverageHeight = 1;
    EXPECT_EQ(Result(), std::make_pair(std::string("The preview range for ground contact detection has to be greater than zero."), 384));
}

TEST_F(SceneValidationTest, AnOpenCurveIsCheckedAsACurve)
{
    scene.PathType = SceneParameters::kOpenCurve;
    scene.Total = 2;
    scene.AverageHeight = 10;
    EXPECT_EQ(Result().first, "Total frame count has to be greater than 2 in curved paths.");
    scene.Total = 3;
    EXPECT_EQ(Result(), std::make_pair(std::string("The preview range for ground contact detection has to be greater than zero."), 384));
    scene.PreviewRange = 1;
    scene.To = 2;  // an open flight has a position for every frame
    EXPECT_EQ(Result().first, "ok");
}

TEST_F(SceneValidationTest, TextureTemplateAndMaskInThatOrder)
{
    scene.UseTextureFile = 1;
    scene.TextureFileName = dir.File("t.tga");
    scene.OutputFileName = "plain.tga";
    scene.UseMaskFile = 1;
    scene.MaskFileName = dir.File("m.tga");
    EXPECT_EQ(Result().second, 409);
    WriteFileBytes(scene.TextureFileName, "x");
    EXPECT_EQ(Result(), std::make_pair(std::string("Output file name template has to contain a valid C/C++ number format string."), 395));
    scene.OutputFileName = dir.File("no/folder/a%d.tga");
    EXPECT_EQ(Result(), std::make_pair("Cannot open file '" + scene.OutputFileName + "'.", 395));
    scene.OutputFileName = dir.File("a%d.tga");
    EXPECT_EQ(Result().second, 373);
}

}  // namespace
}  // namespace vistagon
