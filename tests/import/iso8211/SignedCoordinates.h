#pragma once

#include "import/iso8211/Reader.h"

namespace vistagon::iso8211 {

// A reader that takes X and Y bit strings as signed 32-bit integers, most
// significant octet first, as spatial addresses are written.
inline Reader SignedCoordinateReader()
{
    Reader reader;
    DecoderTable table;
    table.Set("X", {BinaryKind::Signed, ByteOrder::MostSignificantFirst});
    table.Set("Y", {BinaryKind::Signed, ByteOrder::MostSignificantFirst});
    reader.SetDecoderTable(table);
    return reader;
}

}  // namespace vistagon::iso8211
