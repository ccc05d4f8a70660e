#include "import/iso8211/SubfieldValue.h"

#include <charconv>
#include <cstring>
#include <limits>

namespace vistagon::iso8211 {

namespace {

std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Blanks are no value; a number too large for 64 bits saturates; text after
// the digits is ignored.
int64_t ParseInteger(std::string_view text)
{
    text = Trimmed(text);
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    int64_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return !text.empty() && text[0] == '-' ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
    return result.ec == std::errc() ? value : 0;
}

double ParseReal(std::string_view text)
{
    text = Trimmed(text);
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0.0;
}

uint64_t ReadUnsigned(std::string_view bytes, ByteOrder order)
{
    uint64_t value = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const size_t at = order == ByteOrder::MostSignificantFirst ? i : bytes.size() - 1 - i;
        value = (value << 8) | static_cast<unsigned char>(bytes[at]);
    }
    return value;
}

void DecodeBinary(SubfieldValue& value, const SubfieldFormat& format)
{
    const size_t width = value.bytes.size();
    const bool integerWidth = width >= 1 && width <= 8;
    if ((format.binary == BinaryKind::Unsigned || format.binary == BinaryKind::Signed) && integerWidth) {
        uint64_t raw = ReadUnsigned(value.bytes, format.order);
        if (format.binary == BinaryKind::Signed && width < 8 && (raw >> (8 * width - 1)) != 0)
            raw |= ~uint64_t(0) << (8 * width);  // sign extension
        value.kind = ValueKind::Integer;
        value.integer = static_cast<int64_t>(raw);  // two's complement, defined in C++20
        if (format.binary == BinaryKind::Unsigned && raw > static_cast<uint64_t>(std::numeric_limits<int64_t>::max()))
            value.integer = std::numeric_limits<int64_t>::max();
        return;
    }
    if (format.binary == BinaryKind::Float && (width == 4 || width == 8)) {
        const uint64_t raw = ReadUnsigned(value.bytes, format.order);
        value.kind = ValueKind::Real;
        if (width == 4) {
            const auto bits = static_cast<uint32_t>(raw);
            float f;
            std::memcpy(&f, &bits, sizeof f);
            value.real = f;
        } else {
            std::memcpy(&value.real, &raw, sizeof value.real);
        }
        return;
    }
    value.kind = ValueKind::Bits;
}

}  // namespace

SubfieldValue DecodeSubfield(const SubfieldDefinition& definition, std::string_view bytes)
{
    SubfieldValue value;
    value.definition = &definition;
    value.bytes = bytes;
    const SubfieldFormat& format = definition.format;
    if (format.IsBinary()) {
        DecodeBinary(value, format);
    } else if (format.code == 'I') {
        value.kind = ValueKind::Integer;
        value.integer = ParseInteger(bytes);
    } else if (format.code == 'R' || format.code == 'S') {
        value.kind = ValueKind::Real;
        value.real = ParseReal(bytes);
    }
    return value;
}

}  // namespace vistagon::iso8211
