#pragma once

#include <string>

namespace vistagon {

// True for a target whose name ends in ".yuv" (any case): written as a YUV picture.
bool HasYuvExtension(const std::string& path);

}  // namespace vistagon
