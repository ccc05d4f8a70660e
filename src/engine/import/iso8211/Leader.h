#pragma once

#include <cstddef>
#include <string_view>

namespace vistagon::iso8211 {

// The 24-byte leader that opens every record with a directory.
struct Leader {
    static constexpr size_t kSize = 24;

    size_t recordLength = 0;
    char interchangeLevel = ' ';
    char leaderId = ' ';  // 'L' descriptive record, 'D' data record, 'R' data record whose layout repeats
    size_t fieldControlLength = 0;
    size_t baseAddress = 0;  // where the field area starts
    // The entry map: digits of a directory entry's length and position, characters of its tag.
    size_t lengthSize = 0;
    size_t positionSize = 0;
    size_t tagSize = 0;

    size_t EntrySize() const { return tagSize + lengthSize + positionSize; }
};

// Reads and checks the leader at the start of bytes (at least kSize of them).
// Raises ParseError.
Leader ParseLeader(std::string_view bytes);

// An unsigned decimal number of exactly these characters; blanks only are 0
// when allowed. Raises ParseError naming `what` otherwise.
size_t ParseDecimal(std::string_view digits, const char* what, bool blankIsZero = false);

}  // namespace vistagon::iso8211
