#pragma once

#include "image/OutputKind.h"

#include <optional>
#include <string>
#include <vector>

namespace vistagon {

// The output template check of the scene validation: none when the template
// passes, else the message to show.
std::optional<std::string> CheckOutputTemplate(const std::string& outputTemplate);

// The template with its first integer conversion (flags, width, precision and
// length modifier honoured as printf would) formatted with number, "%%" turned
// into "%", and every other "%" sequence copied as it stands. The template is
// never handed to printf.
std::string FormatFrameName(const std::string& outputTemplate, long long number);

// The files a frame of that name produces for the output kind.
std::vector<std::string> FrameOutputFiles(const std::string& frameName, OutputKind kind);

}  // namespace vistagon
