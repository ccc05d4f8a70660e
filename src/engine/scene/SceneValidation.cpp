#include "scene/SceneValidation.h"

#include "flight/FrameName.h"
#include "platform/BinaryFile.h"
#include "platform/TextFormat.h"
#include "platform/messages/CommonMessages.h"
#include "platform/messages/SceneMessages.h"

#include <functional>
#include <vector>

namespace vistagon {

namespace {

SceneProblem Problem(const MessageText& message, int controlId)
{
    return SceneProblem{message.text, controlId};
}

std::optional<SceneProblem> FileProblem(const std::string& name, int controlId)
{
    if (CanOpenForReading(name)) return std::nullopt;
    return SceneProblem{FormatText(msg::kCannotOpenFile.text, name.c_str()), controlId};
}

std::optional<SceneProblem> Check(bool ok, const MessageText& message, int controlId)
{
    if (ok) return std::nullopt;
    return Problem(message, controlId);
}

}  // namespace

std::optional<SceneProblem> ValidateScene(const SceneParameters& s)
{
    using namespace control;
    const bool curved = s.IsCurved();
    const std::vector<std::function<std::optional<SceneProblem>()>> checks = {
        [&] { return Check(s.FocalLengthA > 0, msg::kFocalFirst, kFocalLengthA); },
        [&] { return Check(s.FocalLengthZ > 0, msg::kFocalLast, kFocalLengthZ); },
        [&] { return curved ? Check(s.Total > 2, msg::kTotalCurved, kTotal) : Check(s.Total > 0, msg::kTotalStraight, kTotal); },
        [&] { return Check(s.Total <= 16384, msg::kTotalTooLarge, kTotal); },
        [&] { return Check(s.From >= 0, msg::kFromNegative, kFrom); },
        [&] { return Check(s.From < s.Total, msg::kFromTooLarge, kFrom); },
        [&] { return Check(s.To >= 0, msg::kToNegative, kTo); },
        [&] { return Check(s.To < s.Total, msg::kToTooLarge, kTo); },
        [&] { return Check(s.To >= s.From, msg::kToBeforeFrom, kFrom); },
        [&] { return Check(s.LightX != 0.0 || s.LightY != 0.0 || s.LightZ != 0.0, msg::kLightZero, kLightX); },
        [&] { return Check(s.DustA > 0, msg::kDustNotPositive, kDustA); },
        [&] { return Check(s.DustZ > 0, msg::kDustNotPositive, kDustZ); },
        [&] { return Check(s.Smoothness >= 0.0 && s.Smoothness <= 1.0, msg::kSmoothnessRange, kSmoothness); },
        [&] { return Check(s.ElevScaleX > 0, msg::kScaleX, kElevScaleX); },
        [&] { return Check(s.ElevScaleY > 0, msg::kScaleY, kElevScaleY); },
        [&] { return Check(s.SizeX > 0, msg::kWidthZero, kSizeX); },
        [&] { return Check(s.SizeX <= 16384, msg::kWidthLarge, kSizeX); },
        [&] { return Check(s.SizeY > 0, msg::kHeightZero, kSizeY); },
        [&] { return Check(s.SizeY <= 16384, msg::kHeightLarge, kSizeY); },
        [&] { return Check(s.GridX > 0, msg::kGridXZero, kGridX); },
        [&] { return Check(s.GridX <= 16384, msg::kGridXLarge, kGridX); },
        [&] { return Check(s.GridY > 0, msg::kGridYZero, kGridY); },
        [&] { return Check(s.GridY <= 16384, msg::kGridYLarge, kGridY); },
        [&] { return Check(!curved || s.AverageHeight > 0, msg::kAverageHeight, kAverageHeight); },
        [&] { return Check(!curved || s.PreviewRange > 0, msg::kPreviewRange, kPreviewRange); },
        [&] { return FileProblem(s.ElevationFileName, kElevationFile); },
        [&] { return s.UseTextureFile ? FileProblem(s.TextureFileName, kTextureFile) : std::nullopt; },
        [&]() -> std::optional<SceneProblem> {
            if (auto text = CheckOutputTemplate(s.OutputFileName)) return SceneProblem{*text, kOutputFile};
            return std::nullopt;
        },
        [&] { return s.UseMaskFile ? FileProblem(s.MaskFileName, kMaskFile) : std::nullopt; },
    };
    for (const auto& check : checks)
        if (auto problem = check()) return problem;
    return std::nullopt;
}

}  // namespace vistagon
