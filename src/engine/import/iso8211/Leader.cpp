#include "import/iso8211/Leader.h"

#include "import/iso8211/ParseError.h"

#include <string>

namespace vistagon::iso8211 {

size_t ParseDecimal(std::string_view digits, const char* what, bool blankIsZero)
{
    if (blankIsZero && digits.find_first_not_of(' ') == std::string_view::npos) return 0;
    if (digits.empty()) throw ParseError(std::string(what) + " missing");
    size_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') throw ParseError(std::string(what) + " is not a number: \"" + std::string(digits) + "\"");
        value = value * 10 + static_cast<size_t>(c - '0');
    }
    return value;
}

Leader ParseLeader(std::string_view bytes)
{
    if (bytes.size() < Leader::kSize) throw ParseError("record leader cut short");
    Leader leader;
    leader.recordLength = ParseDecimal(bytes.substr(0, 5), "record length");
    leader.interchangeLevel = bytes[5];
    leader.leaderId = bytes[6];
    leader.fieldControlLength = ParseDecimal(bytes.substr(10, 2), "field control length", true);
    leader.baseAddress = ParseDecimal(bytes.substr(12, 5), "base address of the field area");
    leader.lengthSize = ParseDecimal(bytes.substr(20, 1), "size of field length");
    leader.positionSize = ParseDecimal(bytes.substr(21, 1), "size of field position");
    leader.tagSize = ParseDecimal(bytes.substr(23, 1), "size of field tag");

    if (leader.lengthSize == 0 || leader.positionSize == 0 || leader.tagSize == 0)
        throw ParseError("entry map with a zero size");
    // The directory's field terminator sits just before the field area.
    if (leader.baseAddress <= Leader::kSize || leader.baseAddress > leader.recordLength)
        throw ParseError("base address " + std::to_string(leader.baseAddress) + " outside the record");
    return leader;
}

}  // namespace vistagon::iso8211
