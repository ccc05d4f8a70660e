#include "import/iso8211/FieldDefinition.h"

#include "import/iso8211/FormatControls.h"
#include "import/iso8211/ParseError.h"
#include "import/iso8211/Terminators.h"

#include <algorithm>
#include <cctype>

namespace vistagon::iso8211 {

namespace {

// A field fits in a record of at most 99999 bytes, and every subfield takes at
// least one byte or terminator, so no definition needs more.
constexpr size_t kMostSubfields = 99999;

struct Labels {
    std::vector<std::string> names;
    bool repeating = false;
};

[[noreturn]] void Fail(std::string_view tag, const std::string& what)
{
    throw ParseError("field '" + std::string(tag) + "': " + what);
}

bool IsDimensionList(std::string_view descriptor)
{
    return !descriptor.empty() && std::isdigit(static_cast<unsigned char>(descriptor[0])) &&
           std::all_of(descriptor.begin(), descriptor.end(),
                       [](char c) { return c == ',' || std::isdigit(static_cast<unsigned char>(c)); });
}

// "d,e1,...,ed": d dimensions of the given extents, unnamed elements.
Labels DimensionLabels(std::string_view tag, std::string_view descriptor)
{
    std::vector<size_t> numbers;
    size_t value = 0;
    for (size_t i = 0; i <= descriptor.size(); ++i) {
        if (i == descriptor.size() || descriptor[i] == ',') {
            numbers.push_back(value);
            value = 0;
            continue;
        }
        value = value * 10 + static_cast<size_t>(descriptor[i] - '0');
        if (value > kMostSubfields) Fail(tag, "array extent too large");
    }
    if (numbers[0] == 0 || numbers.size() != numbers[0] + 1) Fail(tag, "array descriptor does not match its dimension count");
    size_t elements = 1;
    for (size_t i = 1; i < numbers.size(); ++i) {
        if (numbers[i] == 0 || elements > kMostSubfields / numbers[i]) Fail(tag, "array extents out of range");
        elements *= numbers[i];
    }
    Labels labels;
    labels.names.assign(elements, std::string());
    return labels;
}

// "A!B!C" names the subfields once; a leading "*" makes the list repeat; in a
// cartesian descriptor "R1!R2*C1!C2" the part after the last "*" names the
// subfields of each repeated row.
Labels ParseDescriptor(std::string_view tag, std::string_view descriptor)
{
    if (IsDimensionList(descriptor)) return DimensionLabels(tag, descriptor);
    Labels labels;
    const size_t star = descriptor.rfind('*');
    if (star != std::string_view::npos) {
        labels.repeating = true;
        descriptor.remove_prefix(star + 1);
    }
    if (descriptor.empty()) return labels;
    size_t start = 0;
    for (;;) {
        const size_t bang = descriptor.find('!', start);
        labels.names.emplace_back(descriptor.substr(start, bang == std::string_view::npos ? bang : bang - start));
        if (labels.names.size() > kMostSubfields) Fail(tag, "too many subfield labels");
        if (bang == std::string_view::npos) return labels;
        start = bang + 1;
    }
}

// The format of an elementary field without format controls follows its data type.
SubfieldFormat FormatOfType(TypeCode type)
{
    SubfieldFormat format;
    switch (type) {
    case TypeCode::ImplicitPoint: format.code = 'I'; break;
    case TypeCode::ExplicitPoint: format.code = 'R'; break;
    case TypeCode::ExplicitScaled: format.code = 'S'; break;
    case TypeCode::CharacterBitString: format.code = 'C'; break;
    case TypeCode::BitString:
        format.code = 'B';
        format.binary = BinaryKind::Raw;
        break;
    default: format.code = 'A'; break;
    }
    return format;
}

void ReadControls(FieldDefinition& field, std::string_view controls)
{
    if (controls.size() < 2) return;  // level 1 files carry no field controls
    const char structure = controls[0];
    const char type = controls[1];
    if (structure < '0' || structure > '3') Fail(field.tag, "unknown data structure code");
    if (type < '0' || type > '6') Fail(field.tag, "unknown data type code");
    field.structure = static_cast<StructureCode>(structure - '0');
    field.type = static_cast<TypeCode>(type - '0');
}

// Splits "name UT descriptor UT formats" (later parts may be absent).
void ReadTexts(FieldDefinition& field, std::string_view rest)
{
    std::string* parts[] = {&field.name, &field.arrayDescriptor, &field.formatControls};
    for (size_t i = 0; i < 3; ++i) {
        const size_t unit = i < 2 ? rest.find(kUnitTerminator) : std::string_view::npos;
        *parts[i] = std::string(rest.substr(0, unit));
        if (unit == std::string_view::npos) return;
        rest.remove_prefix(unit + 1);
    }
}

void ApplyDecoders(FieldDefinition& field, const DecoderTable& decoders)
{
    for (SubfieldDefinition& subfield : field.subfields) {
        if (!subfield.format.IsBinary()) continue;
        if (const BinaryDecoding* decoding = decoders.Find(subfield.mnemonic)) {
            subfield.format.binary = decoding->kind;
            subfield.format.order = decoding->order;
        }
    }
}

}  // namespace

FieldDefinition ParseFieldDefinition(std::string_view tag, std::string_view body, size_t controlLength,
                                     const DecoderTable& decoders)
{
    FieldDefinition field;
    field.tag = std::string(tag);
    if (body.size() < controlLength) Fail(tag, "shorter than its field controls");
    ReadControls(field, body.substr(0, controlLength));
    ReadTexts(field, body.substr(controlLength));

    Labels labels = ParseDescriptor(tag, field.arrayDescriptor);
    std::vector<SubfieldFormat> formats;
    try {
        if (!field.formatControls.empty()) formats = ParseFormatControls(field.formatControls, kMostSubfields);
    } catch (const ParseError& error) {
        Fail(tag, error.what());
    }

    if (labels.names.empty() && formats.size() <= 1) {
        field.elementary = true;
        field.subfields.push_back({std::string(), formats.empty() ? FormatOfType(field.type) : formats[0]});
        return field;
    }
    field.elementary = false;
    field.repeating = labels.repeating;
    // Without labels every format is an unnamed subfield; with labels the
    // formats are used in turn, from the start again when they run out.
    if (labels.names.empty()) labels.names.assign(formats.size(), std::string());
    field.subfields.reserve(labels.names.size());
    for (size_t i = 0; i < labels.names.size(); ++i)
        field.subfields.push_back({std::move(labels.names[i]), formats.empty() ? SubfieldFormat{} : formats[i % formats.size()]});
    ApplyDecoders(field, decoders);
    return field;
}

}  // namespace vistagon::iso8211
