#pragma once

#include "image/OutputKind.h"
#include "scene/PathPoint.h"

#include <array>
#include <cstdint>
#include <string>

namespace vistagon {

// Everything one render job needs, as the scene form holds it. "A" fields are
// the first frame, "Z" fields the last.
struct SceneParameters {
    static constexpr int kMaxPathPoints = 100;
    // The values of "Rundflug": a straight flight, the curved loop back to the
    // first point, and the curved flight from the first point to the last.
    static constexpr int kStraightPath = 0;
    static constexpr int kClosedCurve = 1;
    static constexpr int kOpenCurve = 2;

    double XA = 0, YA = 0, ZA = 0;
    double XZ = 0, YZ = 0, ZZ = 0;
    double HeadingA = 0, HeadingZ = 0;
    double PitchA = 0, PitchZ = 0;
    double FocalLengthA = 0, FocalLengthZ = 0;
    double RollA = 0, RollZ = 0;
    double ElevScaleZA = 0, ElevScaleZZ = 0;
    double DustA = 0, DustZ = 0;
    int Total = 0;
    int Offset = 0;
    int From = 0;
    int To = 0;
    double LightX = 0, LightY = 0, LightZ = 0;
    double Smoothness = 0;
    OutputKind OutputFileFormat = OutputKind::TgaOnly;
    std::string OutputFileName;
    int UseTextureFile = 0;
    std::string TextureFileName;
    std::string ElevationFileName;
    double ElevScaleX = 0, ElevScaleY = 0;
    int UseMaskFile = 0;
    std::string MaskFileName;
    int SizeX = 0, SizeY = 0;
    int GridX = 0, GridY = 0;
    int UseBackgroundColor = 0;
    int HQ = 0;
    uint32_t BackgroundColor = 0;  // platform colour value 0x00BBGGRR
    int PathType = 0;              // kStraightPath, kClosedCurve or kOpenCurve
    std::array<PathPoint, kMaxPathPoints> PathPoints{};
    int LastPathPoint = -1;        // index of the last valid point, -1 for none
    double AverageHeight = 0;
    double RollFactor = 0;
    double PreviewRange = 0;
    int UseRecorder = 0;

    // The values of a new scene.
    static SceneParameters NewScene();

    int PathPointCount() const { return LastPathPoint + 1; }
    // The picture the path is drawn on: the texture when it is used, else the elevation file.
    const std::string& PathPictureName() const { return UseTextureFile != 0 ? TextureFileName : ElevationFileName; }
    // The form's choice of Curve, closed or open; other values are its Straight.
    bool IsCurved() const { return PathType == kClosedCurve || PathType == kOpenCurve; }
};

}  // namespace vistagon
