#pragma once

#include <stdexcept>
#include <string>

namespace vistagon::iso8211 {

// A malformed ISO 8211 file. Raised inside the reader only; its public calls
// turn it into a failed result with the message kept for the caller.
class ParseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace vistagon::iso8211
