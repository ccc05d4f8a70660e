#include "import/iso8211/Writer.h"

#include "import/iso8211/Terminators.h"
#include "platform/TextFormat.h"

#include <algorithm>

namespace vistagon::iso8211 {

namespace {

size_t Digits(size_t value)
{
    size_t digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

std::string Number(size_t value, size_t width)
{
    return FormatText("%0*zu", static_cast<int>(width), value);
}

// Leader, directory and field area of one record whose fields are complete
// (each with its field terminator).
std::string Assemble(const std::vector<std::pair<std::string, std::string>>& fields, bool descriptive, char leaderId)
{
    size_t longest = 0;
    size_t areaSize = 0;
    size_t tagSize = 0;
    for (const auto& [tag, content] : fields) {
        longest = std::max(longest, content.size());
        areaSize += content.size();
        tagSize = std::max(tagSize, tag.size());
    }
    const size_t lengthSize = Digits(longest);
    const size_t positionSize = Digits(areaSize);
    const size_t baseAddress = 24 + fields.size() * (tagSize + lengthSize + positionSize) + 1;
    const size_t recordLength = baseAddress + areaSize;

    std::string record = Number(recordLength, 5);
    record += descriptive ? "3L   06" : std::string(" ") + leaderId + "     ";
    record += Number(baseAddress, 5);
    record += descriptive ? " ! " : "   ";
    record += Number(lengthSize, 1) + Number(positionSize, 1) + "0" + Number(tagSize, 1);
    size_t position = 0;
    for (const auto& [tag, content] : fields) {
        record += tag + Number(content.size(), lengthSize) + Number(position, positionSize);
        position += content.size();
    }
    record += kFieldTerminator;
    for (const auto& field : fields) record += field.second;
    return record;
}

}  // namespace

std::string Writer::DescriptiveRecord() const
{
    std::vector<std::pair<std::string, std::string>> fields;
    fields.emplace_back("0000", "0000;&" + fileTitle_ + kFieldTerminator);
    for (const FieldDescription& field : fields_) {
        std::string content = std::string(1, field.structureCode) + field.typeCode + "00;&" + field.name;
        if (!field.arrayDescriptor.empty() || !field.formatControls.empty())
            content += kUnitTerminator + field.arrayDescriptor + kUnitTerminator + field.formatControls;
        fields.emplace_back(field.tag, content + kFieldTerminator);
    }
    return Assemble(fields, true, 'L');
}

std::string Writer::DataRecord(const std::vector<FieldContent>& fields, char leaderId)
{
    std::vector<std::pair<std::string, std::string>> terminated;
    for (const auto& [tag, content] : fields) terminated.emplace_back(tag, content + kFieldTerminator);
    return Assemble(terminated, false, leaderId);
}

std::string Writer::FieldArea(const std::vector<FieldContent>& fields)
{
    std::string area;
    for (const auto& field : fields) area += field.second + kFieldTerminator;
    return area;
}

std::string BinaryMsbFirst(int64_t value, int bytes)
{
    std::string out(static_cast<size_t>(bytes), '\0');
    const auto raw = static_cast<uint64_t>(value);
    for (int i = 0; i < bytes; ++i) out[static_cast<size_t>(i)] = static_cast<char>((raw >> (8 * (bytes - 1 - i))) & 0xFF);
    return out;
}

std::string Padded(std::string_view text, size_t width)
{
    return text.size() >= width ? std::string(text) : std::string(width - text.size(), ' ') + std::string(text);
}

std::string UnitTerminated(std::string_view text)
{
    return std::string(text) + kUnitTerminator;
}

}  // namespace vistagon::iso8211
