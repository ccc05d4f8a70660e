#pragma once

#include "import/iso8211/SubfieldFormat.h"

#include <string_view>
#include <vector>

namespace vistagon::iso8211 {

// Parses a format control list such as "(A(4),I(6),A(2))", "(A,3I)",
// "((2B(32)))" or "(2(A,b24))" into one format per subfield, repeat counts
// and groups expanded. Raises ParseError for malformed lists and for lists
// that expand to more than `limit` subfields.
std::vector<SubfieldFormat> ParseFormatControls(std::string_view text, size_t limit);

}  // namespace vistagon::iso8211
