#pragma once

#include "scene/PathPoint.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistagon {

// The flight path as clipboard text: the header line, then one line
// "index<TAB>x<TAB>y" per point, in the path editor's canvas coordinates.
inline constexpr std::string_view kPathClipboardHeader = "Vistagon Clipboard Data - Path";

std::string FormatPathClipboardText(const std::vector<PathPoint>& points);

// True when the text begins with the header: only then can it be pasted.
bool IsPathClipboardText(std::string_view text);

// The points of a path text: after the header and the two characters after it,
// each line read as "%*d\t%d\t%d" while that yields two numbers, the rest of
// the line skipped. None when the header is missing.
std::optional<std::vector<PathPoint>> ParsePathClipboardText(std::string_view text);

}  // namespace vistagon
