#pragma once

#include "scene/SceneParameters.h"

#include <string>
#include <string_view>

namespace vistagon {

// The labelled text of a scene's 46 form values that Copy puts on the
// clipboard and Paste reads back. Path points and the sky colour are not in it.
class SceneClipboardText {
public:
    static constexpr const char* kHeader = "Vistagon Clipboard Data - VGS";

    // The header line, then one "value\t(label)\r\n" line per value.
    static std::string Format(const SceneParameters& scene);

    // Whether Paste accepts the text: it begins with the header.
    static bool HasHeader(std::string_view text);

    // Assigns the values by position (labels are not checked) into scene; a
    // short text reads the rest from its end. False, and nothing changed, when
    // the text lacks the header.
    static bool Parse(std::string_view text, SceneParameters& scene);

    // "%f" with its trailing zeros removed, the point kept: 250. and 0.1.
    static std::string FormatDouble(double value);
};

}  // namespace vistagon
