#pragma once

#include <string>

namespace vistagon {

// The fields of the SDTS import dialog, with its initial values.
struct SdtsImportOptions {
    std::string sourcePath;
    std::string targetPath;
    int voidValue = -32767;  // cells holding it become 0; 0 turns it off
    int fillValue = -32766;  // likewise
};

}  // namespace vistagon
