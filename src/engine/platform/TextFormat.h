#pragma once

#include <string>

namespace vistagon {

// printf into a std::string. Only ever called with the program's own constant
// formats (the message catalogue, file formats), never with user text as format.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace vistagon
