#pragma once

#include "GdalImportJob.h"

#include <string>

namespace vistagon {

// What an import found, as lines of "name  value": size, pixel size, the
// coordinate system, the height range, metres per pixel and the scene fields
// that make horizontal and vertical units agree.
std::string GdalSummaryText(const GdalImportSummary& summary, const GdalImportOptions& options);

}  // namespace vistagon
