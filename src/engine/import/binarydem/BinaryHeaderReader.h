#pragma once

#include "import/binarydem/BinaryHeaderInfo.h"
#include "platform/UserInteraction.h"

#include <string>
#include <string_view>

namespace vistagon {

enum class HeaderReadResult {
    Loaded,
    NotOpened,  // the file could not be opened: nothing is shown, nothing changes
    Invalid,    // the box listing every failed check has been shown
};

// Reads a header file of "KEY value" or "key : value" lines into info (which
// starts from its initial values), derives missing pixel sizes from the corner
// coordinates and validates the result. The dialog keeps its fields unless the
// result is Loaded.
HeaderReadResult ReadBinaryHeader(const std::string& path, UserInteraction& ui, BinaryHeaderInfo& info);

// One header line (as read, with its line feed if any) applied to info.
void ApplyHeaderLine(std::string_view line, BinaryHeaderInfo& info);

// Fills xdim and ydim from the corners where the header did not give them.
void DerivePixelSize(BinaryHeaderInfo& info);

// The lines of every failed check, in their fixed order; empty when all pass.
std::string HeaderProblems(const BinaryHeaderInfo& info);

}  // namespace vistagon
