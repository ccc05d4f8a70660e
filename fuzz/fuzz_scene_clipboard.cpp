// The scene clipboard text: whatever Paste reads, and the round trip of what
// it read (format, parse again: the same text, so the same values).
#include "scene/SceneClipboardText.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using vistagon::SceneParameters;

// A text value runs to the next tab, so one with a line feed shifts the lines
// after it when pasted back: such scenes have no round trip.
bool TextsKeepTheirLines(const SceneParameters& scene)
{
    for (const std::string* text : {&scene.OutputFileName, &scene.ElevationFileName, &scene.TextureFileName,
                                    &scene.MaskFileName})
        if (text->find('\n') != std::string::npos) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using vistagon::SceneClipboardText;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    SceneParameters pasted = SceneParameters::NewScene();
    const bool accepted = SceneClipboardText::Parse(text, pasted);
    if (accepted != SceneClipboardText::HasHeader(text)) std::abort();
    if (!accepted || !TextsKeepTheirLines(pasted)) return 0;
    const std::string copied = SceneClipboardText::Format(pasted);
    // Pasted into a form that holds other values: every one of them is replaced.
    SceneParameters again = SceneParameters::NewScene();
    again.SizeX = again.SizeY = 7;
    again.OutputFileName = "other";
    if (!SceneClipboardText::Parse(copied, again)) std::abort();
    if (SceneClipboardText::Format(again) != copied) std::abort();
    return 0;
}
