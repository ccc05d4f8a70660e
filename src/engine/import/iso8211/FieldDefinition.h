#pragma once

#include "import/iso8211/DecoderTable.h"
#include "import/iso8211/SubfieldFormat.h"

#include <string>
#include <string_view>
#include <vector>

namespace vistagon::iso8211 {

enum class StructureCode { Elementary = 0, Vector = 1, Array = 2, Concatenated = 3 };

enum class TypeCode {
    Character = 0,
    ImplicitPoint = 1,
    ExplicitPoint = 2,
    ExplicitScaled = 3,
    CharacterBitString = 4,
    BitString = 5,
    Mixed = 6
};

struct SubfieldDefinition {
    std::string mnemonic;  // empty for the single value of an elementary field
    SubfieldFormat format;
};

// One field of the data descriptive record: its controls, name, array
// descriptor and format controls, resolved into subfield definitions.
struct FieldDefinition {
    std::string tag;
    StructureCode structure = StructureCode::Elementary;
    TypeCode type = TypeCode::Character;
    std::string name;
    std::string arrayDescriptor;
    std::string formatControls;
    std::vector<SubfieldDefinition> subfields;
    // The subfield list repeats until the field ends ("*" descriptors).
    bool repeating = false;
    // No labels: the whole field is one value.
    bool elementary = true;
};

// Builds the definition from a descriptive field's bytes (without its field
// terminator): controlLength bytes of field controls, then the name, the
// array descriptor and the format controls separated by unit terminators.
// Raises ParseError.
FieldDefinition ParseFieldDefinition(std::string_view tag, std::string_view body, size_t controlLength,
                                     const DecoderTable& decoders);

}  // namespace vistagon::iso8211
