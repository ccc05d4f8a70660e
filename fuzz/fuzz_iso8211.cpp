// The ISO 8211 reader on arbitrary bytes: descriptive record, data records,
// reused directories and every subfield decoder.
#include "ConcordSeeds.h"
#include "import/iso8211/Reader.h"
#include "import/sdts/SdtsRasterBuilder.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    vistagon::fuzz::AddConcordSeeds(argc, argv, __FILE__);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vistagon::iso8211;
    Reader reader;
    reader.SetDecoderTable(vistagon::SdtsRasterBuilder::Decoders());
    if (!reader.OpenBytes(std::string(reinterpret_cast<const char*>(data), size))) return 0;
    Record record;
    size_t decoded = 0;
    while (reader.ReadRecord(record))
        for (const SubfieldValue& value : record.values) decoded += value.bytes.size() + value.mnemonic().size();
    // Keeps the reads of every value from being optimised away.
    volatile size_t sink = decoded;
    (void)sink;
    return 0;
}
