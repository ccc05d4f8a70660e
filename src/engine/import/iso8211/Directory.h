#pragma once

#include "import/iso8211/Leader.h"

#include <string_view>
#include <vector>

namespace vistagon::iso8211 {

// One directory entry: where a field lies in the record's field area.
struct DirectoryEntry {
    std::string_view tag;
    size_t length = 0;  // including the field terminator
    size_t position = 0;  // from the base address
};

// Reads the directory of a record (the whole record's bytes) into entries,
// checking that every field lies inside the field area. Raises ParseError.
void ParseDirectory(std::string_view record, const Leader& leader, std::vector<DirectoryEntry>& entries);

}  // namespace vistagon::iso8211
