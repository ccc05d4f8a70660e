#include "import/iso8211/Directory.h"

#include "import/iso8211/ParseError.h"
#include "import/iso8211/Terminators.h"

#include <string>

namespace vistagon::iso8211 {

void ParseDirectory(std::string_view record, const Leader& leader, std::vector<DirectoryEntry>& entries)
{
    entries.clear();
    const size_t directoryEnd = leader.baseAddress - 1;
    if (record.size() < leader.baseAddress || record[directoryEnd] != kFieldTerminator)
        throw ParseError("directory not ended by a field terminator");
    const size_t entrySize = leader.EntrySize();
    const size_t bytes = directoryEnd - Leader::kSize;
    if (bytes % entrySize != 0) throw ParseError("directory is not a whole number of entries");

    const size_t areaSize = record.size() - leader.baseAddress;
    for (size_t at = Leader::kSize; at < directoryEnd; at += entrySize) {
        DirectoryEntry entry;
        entry.tag = record.substr(at, leader.tagSize);
        entry.length = ParseDecimal(record.substr(at + leader.tagSize, leader.lengthSize), "field length");
        entry.position = ParseDecimal(record.substr(at + leader.tagSize + leader.lengthSize, leader.positionSize),
                                      "field position");
        if (entry.length == 0 || entry.position > areaSize || entry.length > areaSize - entry.position)
            throw ParseError("field '" + std::string(entry.tag) + "' lies outside its record");
        entries.push_back(entry);
    }
    if (entries.empty()) throw ParseError("record without fields");
}

}  // namespace vistagon::iso8211
