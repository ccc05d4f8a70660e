#pragma once

#include <cstddef>

namespace vistagon::iso8211 {

enum class ByteOrder { MostSignificantFirst, LeastSignificantFirst };

// What the bytes of a binary subfield mean. A bit string ('B' without a
// decoder entry) stays Raw: only the application knows its meaning.
enum class BinaryKind { None, Unsigned, Signed, Float, Raw };

// One subfield's format control, e.g. A(4), I, R(8), B(16) or b24.
struct SubfieldFormat {
    char code = 'A';
    size_t width = 0;  // in bytes; 0 means variable, ended by a unit terminator
    BinaryKind binary = BinaryKind::None;
    ByteOrder order = ByteOrder::MostSignificantFirst;

    bool IsBinary() const { return binary != BinaryKind::None; }
};

}  // namespace vistagon::iso8211
