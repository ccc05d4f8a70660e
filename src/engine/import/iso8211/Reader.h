#pragma once

#include "import/iso8211/DecoderTable.h"
#include "import/iso8211/Directory.h"
#include "import/iso8211/FieldDefinition.h"
#include "import/iso8211/Leader.h"
#include "import/iso8211/Record.h"

#include <string>
#include <vector>

namespace vistagon::iso8211 {

// Reads an ISO 8211 file: the data descriptive record on Open, then the data
// records in file order, each decoded into fields and subfield values. After a
// record whose leader id is 'R' the following records carry only their field
// areas and are read by the same directory.
class Reader {
public:
    enum class Failure { None, Open, Format };

    // Entries apply to the binary subfields of the files opened afterwards.
    void SetDecoderTable(DecoderTable table) { decoders_ = std::move(table); }

    // Reads the file into memory and its descriptive record. False when it
    // cannot be read (failure() == Open) or is malformed (Format).
    bool Open(const std::string& path);
    // The same for a file image already in memory.
    bool OpenBytes(std::string bytes);

    // The next data record; false at the end of the file or on a malformed
    // record (then failure() == Format and error() says why).
    bool ReadRecord(Record& record);

    Failure failure() const { return failure_; }
    const std::string& error() const { return error_; }
    bool AtEnd() const { return failure_ == Failure::None && at_ >= data_.size(); }

    const std::string& fileTitle() const { return fileTitle_; }
    const std::vector<FieldDefinition>& fieldDefinitions() const { return definitions_; }
    const FieldDefinition* FindDefinition(std::string_view tag) const;
    size_t recordsRead() const { return recordsRead_; }

private:
    void Reset();
    bool Fail(Failure failure, const std::string& what);
    void ReadDescriptiveRecord();
    void ReadRecordWithDirectory(Record& record);
    void ReadRecordWithoutDirectory(Record& record);
    void AddField(Record& record, const FieldDefinition& definition, std::string_view bytes, size_t firstValue);
    const FieldDefinition& DefinitionFor(std::string_view tag) const;

    DecoderTable decoders_;
    std::string data_;
    size_t at_ = 0;
    Failure failure_ = Failure::None;
    std::string error_;
    std::string fileTitle_;
    std::vector<FieldDefinition> definitions_;
    std::vector<DirectoryEntry> entries_;
    // The field layout repeated by records after an 'R' leader.
    std::vector<const FieldDefinition*> repeatedLayout_;
    bool layoutRepeats_ = false;
    size_t recordsRead_ = 0;
};

}  // namespace vistagon::iso8211
