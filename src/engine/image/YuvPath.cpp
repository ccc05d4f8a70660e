#include "image/YuvPath.h"

#include <filesystem>
#include <strings.h>

namespace vistagon {

bool HasYuvExtension(const std::string& path)
{
    const std::string extension = std::filesystem::path(path).extension().string();
    return strcasecmp(extension.c_str(), ".yuv") == 0;
}

}  // namespace vistagon
