#pragma once

namespace vistagon::iso8211 {

// Ends a variable-length subfield.
inline constexpr char kUnitTerminator = '\x1f';
// Ends every field and the directory.
inline constexpr char kFieldTerminator = '\x1e';

}  // namespace vistagon::iso8211
