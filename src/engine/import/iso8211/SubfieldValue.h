#pragma once

#include "import/iso8211/FieldDefinition.h"

#include <cstdint>
#include <string_view>

namespace vistagon::iso8211 {

enum class ValueKind { Text, Integer, Real, Bits };

// One decoded subfield. `bytes` points into the reader's copy of the file and
// stays valid while the reader lives.
struct SubfieldValue {
    const SubfieldDefinition* definition = nullptr;
    ValueKind kind = ValueKind::Text;
    int64_t integer = 0;
    double real = 0.0;
    std::string_view bytes;

    const std::string& mnemonic() const { return definition->mnemonic; }
};

// Decodes the bytes of one subfield by its format: characters as text,
// I as an integer, R and S as reals, binary forms by their kind and octet order.
SubfieldValue DecodeSubfield(const SubfieldDefinition& definition, std::string_view bytes);

}  // namespace vistagon::iso8211
