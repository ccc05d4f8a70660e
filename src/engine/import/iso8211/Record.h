#pragma once

#include "import/iso8211/FieldDefinition.h"
#include "import/iso8211/SubfieldValue.h"

#include <span>
#include <string_view>
#include <vector>

namespace vistagon::iso8211 {

// One field of a data record: its definition, its bytes (without the field
// terminator) and where its values lie in the record's value list.
struct Field {
    const FieldDefinition* definition = nullptr;
    std::string_view bytes;
    size_t firstValue = 0;
    size_t valueCount = 0;

    const std::string& tag() const { return definition->tag; }
};

// One data record in file order. Reading into the same record again reuses
// its storage, so a long file costs no allocation per record.
class Record {
public:
    std::vector<Field> fields;
    // The values of all fields in order.
    std::vector<SubfieldValue> values;

    std::span<const SubfieldValue> Values(const Field& field) const
    {
        return std::span<const SubfieldValue>(values).subspan(field.firstValue, field.valueCount);
    }
    // The first field with this tag, or none.
    const Field* Find(std::string_view tag) const;
    void Clear()
    {
        fields.clear();
        values.clear();
    }
};

}  // namespace vistagon::iso8211
