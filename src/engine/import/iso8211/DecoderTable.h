#pragma once

#include "import/iso8211/SubfieldFormat.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vistagon::iso8211 {

// How an application wants the binary subfields of one mnemonic read.
struct BinaryDecoding {
    BinaryKind kind;
    ByteOrder order;
};

// The per-mnemonic decoder table: binary subfields whose mnemonic is listed
// are read as the entry says (their width still comes from the file's format
// controls); every other subfield is read as its format control says.
class DecoderTable {
public:
    void Set(std::string mnemonic, BinaryDecoding decoding);
    const BinaryDecoding* Find(std::string_view mnemonic) const;

private:
    std::vector<std::pair<std::string, BinaryDecoding>> entries_;
};

}  // namespace vistagon::iso8211
