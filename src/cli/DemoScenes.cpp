#include "DemoScenes.h"

#include "scene/SceneScript.h"

#include <iterator>

namespace vistagon::cli {

namespace {

SceneParameters DemoBase()
{
    SceneParameters s = SceneParameters::NewScene();
    s.ElevationFileName = kDemoTerrain;
    s.UseTextureFile = 1;
    s.TextureFileName = kDemoTexture;
    s.ElevScaleZA = s.ElevScaleZZ = kDemoZScale;
    s.LightX = -1.0;
    s.LightY = 1.0;
    s.LightZ = 1.5;
    s.UseBackgroundColor = 1;
    s.BackgroundColor = 0xE1CDBE;  // a pale blue sky
    return s;
}

}  // namespace

SceneParameters DemoStill()
{
    SceneParameters s = DemoBase();
    s.OutputFileName = "still%03d.tga";
    s.XA = s.XZ = 15.0;
    s.YA = s.YZ = 15.0;
    s.ZA = s.ZZ = 140.0;
    s.HeadingA = s.HeadingZ = 45.0;
    s.PitchA = s.PitchZ = -16.0;
    s.FocalLengthA = s.FocalLengthZ = 520.0;
    s.DustA = s.DustZ = 450.0;
    s.SizeX = 640;
    s.SizeY = 480;
    s.GridX = s.GridY = 512;
    s.HQ = 1;
    return s;
}

SceneParameters DemoFlight()
{
    SceneParameters s = DemoBase();
    s.OutputFileName = "fly%03d.tga";
    s.PathType = 1;
    s.Total = 61;  // a closed loop of Total - 1 frames
    s.From = 0;
    s.To = 59;
    s.PitchA = -10.0;
    s.FocalLengthA = s.FocalLengthZ = 220.0;
    s.DustA = s.DustZ = 350.0;
    s.SizeX = 320;
    s.SizeY = 240;
    s.GridX = s.GridY = 256;
    s.AverageHeight = 30.0;
    s.PreviewRange = 4.0;
    s.RollFactor = 30.0;
    s.UseMaskFile = 1;
    s.MaskFileName = kDemoMask;
    s.UseRecorder = 1;
    // An uneven loop around the middle of the 513-pixel picture, y counted down.
    const PathPoint loop[] = {{431, 256}, {358, 173}, {256, 116}, {153, 173}, {81, 255}, {153, 338}, {255, 396}, {358, 338}};
    const int points = static_cast<int>(std::size(loop));
    for (int i = 0; i < points; ++i) s.PathPoints[static_cast<size_t>(i)] = loop[i];
    s.LastPathPoint = points - 1;
    return s;
}

bool SaveDemoScenes(AppContext& context)
{
    return SaveScene(context, DemoStill(), kDemoStillScene) && SaveScene(context, DemoFlight(), kDemoFlightScene);
}

}  // namespace vistagon::cli
