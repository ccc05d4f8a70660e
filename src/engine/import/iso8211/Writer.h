#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vistagon::iso8211 {

// A small ISO 8211 writer: a descriptive record from field descriptions, and
// data records from field contents. Used to make transfers for tests, seeds
// and measurements.
class Writer {
public:
    struct FieldDescription {
        std::string tag;
        char structureCode;  // '0' elementary, '1' vector, '2' array
        char typeCode;       // '0' character ... '6' mixed
        std::string name;
        std::string arrayDescriptor;  // empty for elementary fields
        std::string formatControls;   // empty for elementary fields
    };
    // A data field: its tag and its contents without the field terminator.
    using FieldContent = std::pair<std::string, std::string>;

    explicit Writer(std::string fileTitle) : fileTitle_(std::move(fileTitle)) {}

    void Describe(FieldDescription field) { fields_.push_back(std::move(field)); }

    std::string DescriptiveRecord() const;
    // leaderId 'D', or 'R' when the following records leave out leader and directory.
    static std::string DataRecord(const std::vector<FieldContent>& fields, char leaderId = 'D');
    // A record after an 'R' record: the field area alone.
    static std::string FieldArea(const std::vector<FieldContent>& fields);

private:
    std::string fileTitle_;
    std::vector<FieldDescription> fields_;
};

// Subfield contents.
std::string BinaryMsbFirst(int64_t value, int bytes);
std::string Padded(std::string_view text, size_t width);  // right-aligned, as integers are written
std::string UnitTerminated(std::string_view text);

}  // namespace vistagon::iso8211
