#include "import/iso8211/Reader.h"

#include "import/iso8211/FieldDecoder.h"
#include "import/iso8211/ParseError.h"
#include "import/iso8211/Terminators.h"
#include "platform/BinaryFile.h"
#include "platform/FileError.h"

#include <new>

namespace vistagon::iso8211 {

namespace {

// Bounds what hostile files can make us hold: subfield definitions of the
// descriptive record, and values of one data record (empty trailing subfields
// cost no bytes of the file).
constexpr size_t kMostDefinedSubfields = size_t(1) << 18;
constexpr size_t kMostValuesPerRecord = size_t(1) << 18;

bool IsFileControlTag(std::string_view tag)
{
    return tag.find_first_not_of('0') == std::string_view::npos;
}

}  // namespace

void Reader::Reset()
{
    data_.clear();
    at_ = 0;
    failure_ = Failure::None;
    error_.clear();
    fileTitle_.clear();
    definitions_.clear();
    repeatedLayout_.clear();
    layoutRepeats_ = false;
    recordsRead_ = 0;
}

bool Reader::Fail(Failure failure, const std::string& what)
{
    failure_ = failure;
    error_ = what;
    return false;
}

bool Reader::Open(const std::string& path)
{
    Reset();
    std::string bytes;
    try {
        BinaryFile file(path, BinaryFile::Mode::Read);
        bytes.resize(file.Size());
        if (file.Read(bytes.data(), bytes.size()) != bytes.size()) return Fail(Failure::Open, "the file could not be read");
    } catch (const FileError&) {
        return Fail(Failure::Open, "the file could not be read");
    } catch (const std::bad_alloc&) {
        return Fail(Failure::Open, "the file is too large to be read into memory");
    } catch (const std::length_error&) {
        return Fail(Failure::Open, "the file is too large to be read into memory");
    }
    return OpenBytes(std::move(bytes));
}

bool Reader::OpenBytes(std::string bytes)
{
    Reset();
    data_ = std::move(bytes);
    try {
        ReadDescriptiveRecord();
    } catch (const ParseError& error) {
        return Fail(Failure::Format, std::string("data descriptive record: ") + error.what());
    }
    return true;
}

void Reader::ReadDescriptiveRecord()
{
    const Leader leader = ParseLeader(data_);
    if (leader.leaderId != 'L') throw ParseError("leader identifier is not 'L'");
    if (leader.recordLength > data_.size()) throw ParseError("record runs past the end of the file");
    const std::string_view record = std::string_view(data_).substr(0, leader.recordLength);
    ParseDirectory(record, leader, entries_);

    size_t definedSubfields = 0;
    for (const DirectoryEntry& entry : entries_) {
        std::string_view body = record.substr(leader.baseAddress + entry.position, entry.length);
        if (body.back() != kFieldTerminator)
            throw ParseError("field '" + std::string(entry.tag) + "' is not ended by a field terminator");
        body.remove_suffix(1);
        if (IsFileControlTag(entry.tag)) {
            const std::string_view rest = body.substr(std::min(body.size(), leader.fieldControlLength));
            fileTitle_ = std::string(rest.substr(0, rest.find(kUnitTerminator)));
            continue;
        }
        definitions_.push_back(ParseFieldDefinition(entry.tag, body, leader.fieldControlLength, decoders_));
        definedSubfields += definitions_.back().subfields.size();
        if (definedSubfields > kMostDefinedSubfields) throw ParseError("more subfields than this reader holds");
    }
    at_ = leader.recordLength;
}

const FieldDefinition* Reader::FindDefinition(std::string_view tag) const
{
    for (const FieldDefinition& definition : definitions_)
        if (definition.tag == tag) return &definition;
    return nullptr;
}

const FieldDefinition& Reader::DefinitionFor(std::string_view tag) const
{
    const FieldDefinition* definition = FindDefinition(tag);
    if (definition == nullptr) throw ParseError("field '" + std::string(tag) + "' has no description");
    return *definition;
}

bool Reader::ReadRecord(Record& record)
{
    record.Clear();
    if (failure_ != Failure::None || at_ >= data_.size()) return false;
    const size_t start = at_;
    try {
        if (layoutRepeats_) ReadRecordWithoutDirectory(record);
        else ReadRecordWithDirectory(record);
    } catch (const ParseError& error) {
        record.Clear();
        return Fail(Failure::Format, "data record " + std::to_string(recordsRead_ + 1) + " at byte " +
                                         std::to_string(start) + ": " + error.what());
    }
    ++recordsRead_;
    return true;
}

void Reader::ReadRecordWithDirectory(Record& record)
{
    const std::string_view rest = std::string_view(data_).substr(at_);
    const Leader leader = ParseLeader(rest);
    if (leader.leaderId != 'D' && leader.leaderId != 'R') throw ParseError("leader identifier is neither 'D' nor 'R'");
    if (leader.recordLength > rest.size()) throw ParseError("record runs past the end of the file");
    const std::string_view bytes = rest.substr(0, leader.recordLength);
    ParseDirectory(bytes, leader, entries_);

    repeatedLayout_.clear();
    for (const DirectoryEntry& entry : entries_) {
        const FieldDefinition& definition = DefinitionFor(entry.tag);
        std::string_view field = bytes.substr(leader.baseAddress + entry.position, entry.length);
        if (field.back() != kFieldTerminator)
            throw ParseError("field '" + definition.tag + "' is not ended by a field terminator");
        field.remove_suffix(1);
        const size_t firstValue = record.values.size();
        DecodeField(definition, field, record.values);
        AddField(record, definition, field, firstValue);
        repeatedLayout_.push_back(&definition);
    }
    layoutRepeats_ = leader.leaderId == 'R';
    at_ += leader.recordLength;
}

void Reader::ReadRecordWithoutDirectory(Record& record)
{
    size_t at = at_;
    for (const FieldDefinition* definition : repeatedLayout_) {
        const std::string_view rest = std::string_view(data_).substr(at);
        const size_t firstValue = record.values.size();
        const size_t end = DecodeFieldOfUnknownLength(*definition, rest, record.values);
        AddField(record, *definition, rest.substr(0, end), firstValue);
        at += end + 1;
    }
    at_ = at;
}

void Reader::AddField(Record& record, const FieldDefinition& definition, std::string_view bytes, size_t firstValue)
{
    if (record.values.size() > kMostValuesPerRecord) throw ParseError("more subfield values than this reader holds");
    record.fields.push_back(Field{&definition, bytes, firstValue, record.values.size() - firstValue});
}

}  // namespace vistagon::iso8211
