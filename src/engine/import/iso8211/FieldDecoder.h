#pragma once

#include "import/iso8211/FieldDefinition.h"
#include "import/iso8211/SubfieldValue.h"

#include <string_view>
#include <vector>

namespace vistagon::iso8211 {

// Decodes the bytes of one field (its field terminator removed) into values
// appended to `values`. Raises ParseError when a fixed-width subfield runs
// past the field's end.
void DecodeField(const FieldDefinition& field, std::string_view bytes, std::vector<SubfieldValue>& values);

// For records that reuse an earlier directory: decodes the field that starts
// at rest[0], whose length only its contents tell, and returns the position
// of its field terminator. Raises ParseError when none follows its contents.
size_t DecodeFieldOfUnknownLength(const FieldDefinition& field, std::string_view rest,
                                  std::vector<SubfieldValue>& values);

}  // namespace vistagon::iso8211
