#include "import/iso8211/DecoderTable.h"

namespace vistagon::iso8211 {

void DecoderTable::Set(std::string mnemonic, BinaryDecoding decoding)
{
    for (auto& entry : entries_) {
        if (entry.first == mnemonic) {
            entry.second = decoding;
            return;
        }
    }
    entries_.emplace_back(std::move(mnemonic), decoding);
}

const BinaryDecoding* DecoderTable::Find(std::string_view mnemonic) const
{
    for (const auto& entry : entries_)
        if (entry.first == mnemonic) return &entry.second;
    return nullptr;
}

}  // namespace vistagon::iso8211
