#pragma once

#include "import/usgsdem/DemHeader.h"

#include <string>
#include <vector>

namespace vistagon {

// The lines of the header display, in their order and formats.
std::vector<std::string> DemHeaderLines(const DemHeader& header);

}  // namespace vistagon
