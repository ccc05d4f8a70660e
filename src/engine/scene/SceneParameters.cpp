#include "scene/SceneParameters.h"

namespace vistagon {

SceneParameters SceneParameters::NewScene()
{
    SceneParameters s;
    s.XA = -100.0;
    s.YA = -100.0;
    s.ZA = 100.0;
    s.HeadingA = 45.0;
    s.PitchA = -25.0;
    s.FocalLengthA = 250.0;
    s.FocalLengthZ = 250.0;
    s.ElevScaleZA = 0.1;
    s.ElevScaleZZ = 0.1;
    s.DustA = 10000.0;
    s.DustZ = 10000.0;
    s.Total = 1;
    s.LightX = -1.0;
    s.LightY = 1.0;
    s.LightZ = -2.0;
    s.OutputFileFormat = OutputKind::TgaOnly;
    s.OutputFileName = "nn%03d.tga";
    s.ElevScaleX = 1.0;
    s.ElevScaleY = 1.0;
    s.SizeX = 320;
    s.SizeY = 240;
    s.GridX = 16;
    s.GridY = 16;
    s.BackgroundColor = 0x000000;  // black: a new scene sets no sky colour
    return s;
}

}  // namespace vistagon
