#include "Commands.h"
#include "image/CTGAFile.h"
#include "platform/BinaryFile.h"
#include "platform/messages/CommonMessages.h"
#include "platform/TextFormat.h"
#include "scene/SceneScript.h"

#include <filesystem>
#include <strings.h>

namespace vistagon::cli {

namespace {

bool LooksLikeScene(const std::string& path)
{
    const std::string extension = std::filesystem::path(path).extension().string();
    return strcasecmp(extension.c_str(), ".vgs") == 0;
}

const char* OutputKindName(OutputKind kind)
{
    switch (kind) {
    case OutputKind::TgaOnly: return "0 (TGA)";
    case OutputKind::YuvOnly: return "1 (YUV)";
    case OutputKind::TgaAndYuv: return "2 (TGA and YUV)";
    }
    return "?";
}

const char* PathTypeName(int pathType)
{
    switch (pathType) {
    case SceneParameters::kStraightPath: return "(straight)";
    case SceneParameters::kClosedCurve: return "(closed curve)";
    case SceneParameters::kOpenCurve: return "(open curve)";
    }
    return "(curve, flown closed)";
}

void PrintScene(std::FILE* out, const SceneParameters& s)
{
    const auto d = [out](const char* name, double v) { std::fprintf(out, "%-20s %f\n", name, v); };
    const auto i = [out](const char* name, int v) { std::fprintf(out, "%-20s %d\n", name, v); };
    const auto t = [out](const char* name, const std::string& v) { std::fprintf(out, "%-20s %s\n", name, v.c_str()); };
    d("XA", s.XA); d("XZ", s.XZ); d("YA", s.YA); d("YZ", s.YZ); d("ZA", s.ZA); d("ZZ", s.ZZ);
    d("HeadingA", s.HeadingA); d("HeadingZ", s.HeadingZ); d("PitchA", s.PitchA); d("PitchZ", s.PitchZ);
    d("RollA", s.RollA); d("RollZ", s.RollZ); d("FocalLengthA", s.FocalLengthA); d("FocalLengthZ", s.FocalLengthZ);
    d("ElevScaleZA", s.ElevScaleZA); d("ElevScaleZZ", s.ElevScaleZZ); d("DustA", s.DustA); d("DustZ", s.DustZ);
    std::fprintf(out, "%-20s %s\n", "OutputFileFormat", OutputKindName(s.OutputFileFormat));
    t("OutputFileName", s.OutputFileName); t("ElevationFileName", s.ElevationFileName);
    t("TextureFileName", s.TextureFileName); t("MaskFileName", s.MaskFileName);
    i("SizeX", s.SizeX); i("SizeY", s.SizeY); d("ElevScaleX", s.ElevScaleX); d("ElevScaleY", s.ElevScaleY);
    i("GridX", s.GridX); i("GridY", s.GridY); d("LightX", s.LightX); d("LightY", s.LightY); d("LightZ", s.LightZ);
    i("HQ", s.HQ); i("UseTextureFile", s.UseTextureFile); i("UseMaskFile", s.UseMaskFile);
    i("UseBackgroundColor", s.UseBackgroundColor); i("UseRecorder", s.UseRecorder);
    d("AverageHeight", s.AverageHeight); d("PreviewRange", s.PreviewRange); d("RollFactor", s.RollFactor);
    std::fprintf(out, "%-20s %d %s\n", "PathType", s.PathType, PathTypeName(s.PathType));
    d("Smoothness", s.Smoothness); i("Total", s.Total); i("From", s.From);
    i("To", s.To); i("Offset", s.Offset);
    std::fprintf(out, "%-20s %06X\n", "BackgroundColor", static_cast<unsigned>(s.BackgroundColor));
    std::fprintf(out, "%-20s %d\n", "PathPoints", s.PathPointCount());
    for (int p = 0; p < s.PathPointCount(); ++p)
        std::fprintf(out, "  Punkt%02d %d,%d\n", p, s.PathPoints[static_cast<size_t>(p)].x, s.PathPoints[static_cast<size_t>(p)].y);
}

int InfoScene(CliSession& session, const std::string& path)
{
    SceneParameters scene;
    if (!LoadScene(path, scene)) {
        std::fprintf(stderr, "'%s' is not a VGS scene file (it has no \"BeobXA\" value).\n", path.c_str());
        return kFailure;
    }
    PrintScene(session.out, scene);
    return kSuccess;
}

int InfoTga(CliSession& session, const std::string& path)
{
    CTGAFile image(session.context, false);
    if (!image.OnOpenDocument(path)) return kFailure;
    const TgaHeader& h = image.header();
    std::FILE* out = session.out;
    std::fprintf(out, "%-22s %s\n", "file", path.c_str());
    std::fprintf(out, "%-22s %u\n", "width", h.width);
    std::fprintf(out, "%-22s %u\n", "height", h.height);
    std::fprintf(out, "%-22s %u\n", "image type", h.imageType);
    std::fprintf(out, "%-22s %u\n", "bits per pixel", h.bitsPerPixel);
    std::fprintf(out, "%-22s %u\n", "image ID length", h.idLength);
    std::fprintf(out, "%-22s %u\n", "colour map type", h.colorMapType);
    std::fprintf(out, "%-22s %u\n", "colour map entry size", h.colorMapEntrySize);
    std::fprintf(out, "%-22s %u, %u\n", "origin", h.xOrigin, h.yOrigin);
    std::fprintf(out, "%-22s 0x%02X\n", "descriptor", h.descriptor);
    std::fprintf(out, "%-22s %llu\n", "pixel data offset", static_cast<unsigned long long>(h.PixelOffset()));
    return kSuccess;
}

}  // namespace

int RunInfo(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args(words, {}, {});
    args.ExpectPositional(1, 1);
    const std::string& path = args.positional()[0];
    if (!CanOpenForReading(path)) {
        session.interaction.ShowMessage(FormatText(msg::kCannotOpenFile.text, path.c_str()), MessageIcon::Stop);
        return kFailure;
    }
    return LooksLikeScene(path) ? InfoScene(session, path) : InfoTga(session, path);
}

}  // namespace vistagon::cli
