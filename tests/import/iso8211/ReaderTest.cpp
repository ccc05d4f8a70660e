#include "SignedCoordinates.h"
#include "import/iso8211/Reader.h"
#include "import/iso8211/Writer.h"

#include <gtest/gtest.h>

#include <cstring>

namespace vistagon::iso8211 {
namespace {

// A module with an elementary record identifier, a vector of mixed formats,
// a repeating binary pair and a field of variable text subfields.
Writer SampleWriter()
{
    Writer writer("TEST");
    writer.Describe({"0001", '0', '1', "DDF RECORD IDENTIFIER", "", ""});
    writer.Describe({"PNTS", '1', '6', "POINT", "MODN!RCID!HGHT!OBRP", "(A(4),I(6),R(8),A(2))"});
    writer.Describe({"SADR", '2', '5', "SPATIAL ADDRESS", "*X!Y", "((2B(32)))"});
    writer.Describe({"NOTE", '1', '0', "NOTES", "NAME!TEXT!KEY", "(3A)"});
    return writer;
}

std::vector<Writer::FieldContent> SampleFields(int id, int x, int y)
{
    return {{"0001", Padded(std::to_string(id), 6)},
            {"PNTS", "NA01" + Padded(std::to_string(id), 6) + "  -12.75NA"},
            {"SADR", BinaryMsbFirst(x, 4) + BinaryMsbFirst(y, 4) + BinaryMsbFirst(-x, 4) + BinaryMsbFirst(-y, 4)},
            {"NOTE", UnitTerminated("name " + std::to_string(id)) + UnitTerminated("") + "K"}};
}

std::string SampleFile(int records)
{
    std::string file = SampleWriter().DescriptiveRecord();
    for (int i = 1; i <= records; ++i) file += Writer::DataRecord(SampleFields(i, 1000 * i, -7 * i));
    return file;
}

std::string Text(const SubfieldValue& value)
{
    return std::string(value.bytes);
}

TEST(Iso8211Reader, DescriptiveRecordGivesFieldsAndSubfields)
{
    Reader reader;
    ASSERT_TRUE(reader.OpenBytes(SampleFile(0))) << reader.error();
    EXPECT_EQ(reader.fileTitle(), "TEST");
    ASSERT_EQ(reader.fieldDefinitions().size(), 4u);
    const FieldDefinition* pnts = reader.FindDefinition("PNTS");
    ASSERT_NE(pnts, nullptr);
    EXPECT_EQ(pnts->name, "POINT");
    EXPECT_EQ(pnts->structure, StructureCode::Vector);
    ASSERT_EQ(pnts->subfields.size(), 4u);
    EXPECT_EQ(pnts->subfields[2].mnemonic, "HGHT");
    EXPECT_EQ(pnts->subfields[2].format.code, 'R');
    EXPECT_TRUE(reader.FindDefinition("SADR")->repeating);
    EXPECT_TRUE(reader.FindDefinition("0001")->elementary);
    EXPECT_TRUE(reader.AtEnd());
}

TEST(Iso8211Reader, DataRecordsDecodeEveryKindOfSubfield)
{
    Reader reader = SignedCoordinateReader();
    ASSERT_TRUE(reader.OpenBytes(SampleFile(3)));
    Record record;
    for (int id = 1; id <= 3; ++id) {
        ASSERT_TRUE(reader.ReadRecord(record)) << reader.error();
        ASSERT_EQ(record.fields.size(), 4u);
        EXPECT_EQ(record.Values(*record.Find("0001"))[0].integer, id);

        const auto pnts = record.Values(*record.Find("PNTS"));
        ASSERT_EQ(pnts.size(), 4u);
        EXPECT_EQ(Text(pnts[0]), "NA01");
        EXPECT_EQ(pnts[1].kind, ValueKind::Integer);
        EXPECT_EQ(pnts[1].integer, id);
        EXPECT_EQ(pnts[2].kind, ValueKind::Real);
        EXPECT_DOUBLE_EQ(pnts[2].real, -12.75);
        EXPECT_EQ(Text(pnts[3]), "NA");

        const auto sadr = record.Values(*record.Find("SADR"));
        ASSERT_EQ(sadr.size(), 4u);  // two repetitions of X, Y
        EXPECT_EQ(sadr[0].mnemonic(), "X");
        EXPECT_EQ(sadr[0].integer, 1000 * id);
        EXPECT_EQ(sadr[1].integer, -7 * id);
        EXPECT_EQ(sadr[2].integer, -1000 * id);
        EXPECT_EQ(sadr[3].mnemonic(), "Y");
        EXPECT_EQ(sadr[3].integer, 7 * id);

        const auto note = record.Values(*record.Find("NOTE"));
        ASSERT_EQ(note.size(), 3u);
        EXPECT_EQ(Text(note[0]), "name " + std::to_string(id));
        EXPECT_EQ(Text(note[1]), "");
        EXPECT_EQ(Text(note[2]), "K");
    }
    EXPECT_FALSE(reader.ReadRecord(record));
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(reader.recordsRead(), 3u);
}

TEST(Iso8211Reader, BitStringsWithoutDecoderEntryStayRaw)
{
    Reader reader;
    ASSERT_TRUE(reader.OpenBytes(SampleFile(1)));
    Record record;
    ASSERT_TRUE(reader.ReadRecord(record));
    const auto sadr = record.Values(*record.Find("SADR"));
    EXPECT_EQ(sadr[0].kind, ValueKind::Bits);
    EXPECT_EQ(Text(sadr[0]), BinaryMsbFirst(1000, 4));
}

TEST(Iso8211Reader, LowerCaseBinaryFormsAreLeastSignificantOctetFirst)
{
    Writer writer("BINS");
    writer.Describe({"VALS", '1', '5', "VALUES", "U!S!F", "(b12,b22,b44)"});
    const float f = 2.5f;
    std::string floatBytes(4, '\0');
    std::memcpy(floatBytes.data(), &f, 4);  // this machine is little-endian
    const std::string file = writer.DescriptiveRecord() + Writer::DataRecord({{"VALS", "\xfe\xff\xfe\xff" + floatBytes}});
    Reader reader;
    ASSERT_TRUE(reader.OpenBytes(file));
    Record record;
    ASSERT_TRUE(reader.ReadRecord(record)) << reader.error();
    ASSERT_EQ(record.values.size(), 3u);
    EXPECT_EQ(record.values[0].integer, 0xFFFE);
    EXPECT_EQ(record.values[1].integer, -2);
    EXPECT_EQ(record.values[2].kind, ValueKind::Real);
    EXPECT_DOUBLE_EQ(record.values[2].real, 2.5);
}

TEST(Iso8211Reader, RecordsAfterAnRLeaderReuseItsDirectoryWhateverTheirLength)
{
    std::string file = SampleWriter().DescriptiveRecord();
    file += Writer::DataRecord(SampleFields(1, 5, 6), 'R');
    // Later records differ in length: the variable text and the record number grow.
    for (int id = 2; id <= 12; ++id) file += Writer::FieldArea(SampleFields(id, id, -id));
    Reader reader = SignedCoordinateReader();
    ASSERT_TRUE(reader.OpenBytes(file));
    Record record;
    int id = 0;
    while (reader.ReadRecord(record)) {
        ++id;
        EXPECT_EQ(record.Values(*record.Find("0001"))[0].integer, id);
        EXPECT_EQ(Text(record.Values(*record.Find("NOTE"))[0]), "name " + std::to_string(id));
        EXPECT_EQ(record.Values(*record.Find("SADR"))[3].integer, id == 1 ? -6 : id);
    }
    EXPECT_EQ(reader.failure(), Reader::Failure::None) << reader.error();
    EXPECT_EQ(id, 12);
}

TEST(Iso8211Reader, CutFilesFailExceptAtRecordBoundaries)
{
    const std::string file = SampleFile(3);
    // Where the descriptive record and each data record end.
    std::vector<size_t> boundaries{SampleWriter().DescriptiveRecord().size()};
    for (int i = 1; i <= 3; ++i)
        boundaries.push_back(boundaries.back() + Writer::DataRecord(SampleFields(i, 1000 * i, -7 * i)).size());
    ASSERT_EQ(boundaries.back(), file.size());
    for (size_t length = 0; length < file.size(); ++length) {
        Reader reader;
        const bool opened = reader.OpenBytes(file.substr(0, length));
        if (length < boundaries[0]) {
            EXPECT_FALSE(opened) << length;
            continue;
        }
        ASSERT_TRUE(opened) << length;
        Record record;
        size_t records = 0;
        while (reader.ReadRecord(record)) ++records;
        size_t whole = 0;
        while (whole + 1 < boundaries.size() && boundaries[whole + 1] <= length) ++whole;
        EXPECT_EQ(records, whole) << length;
        const bool atBoundary = boundaries[whole] == length;
        EXPECT_EQ(reader.failure(), atBoundary ? Reader::Failure::None : Reader::Failure::Format) << length;
    }
}

// Replaces bytes of a valid file at an offset.
std::string Patched(std::string file, size_t at, const std::string& bytes)
{
    file.replace(at, bytes.size(), bytes);
    return file;
}

TEST(Iso8211Reader, MalformedStructuresAreReportedNotTrusted)
{
    const std::string file = SampleFile(1);
    const size_t ddr = SampleWriter().DescriptiveRecord().size();
    struct Case {
        const char* what;
        std::string bytes;
        bool descriptiveFails;
    };
    const Case cases[] = {
        {"record length not a number", Patched(file, 0, "00x"), true},
        {"descriptive leader id", Patched(file, 6, "D"), true},
        {"base address past the record", Patched(file, 12, "99999"), true},
        {"zero tag size", Patched(file, 23, "0"), true},
        {"directory entry length", Patched(file, 24 + 4, "99"), true},
        {"data leader id", Patched(file, ddr + 6, "L"), false},
        {"data record longer than the file", Patched(file, ddr, "99999"), false},
        {"field without terminator", Patched(file, file.size() - 1, "x"), false},
        {"undescribed field", Patched(file, ddr + 24, "ZZZZ"), false},
    };
    for (const Case& c : cases) {
        Reader reader;
        const bool opened = reader.OpenBytes(c.bytes);
        Record record;
        if (c.descriptiveFails) {
            EXPECT_FALSE(opened) << c.what;
        } else {
            ASSERT_TRUE(opened) << c.what << ": " << reader.error();
            EXPECT_FALSE(reader.ReadRecord(record)) << c.what;
        }
        EXPECT_EQ(reader.failure(), Reader::Failure::Format) << c.what;
        EXPECT_FALSE(reader.error().empty()) << c.what;
        EXPECT_FALSE(reader.ReadRecord(record)) << c.what;  // stays failed
    }
}

TEST(Iso8211Reader, FixedSubfieldsMustFitTheirField)
{
    std::vector<Writer::FieldContent> fields = SampleFields(1, 1, 2);
    fields[1].second = "NA01     1";  // HGHT and OBRP cut off
    const std::string file = SampleWriter().DescriptiveRecord() + Writer::DataRecord(fields);
    Reader reader;
    ASSERT_TRUE(reader.OpenBytes(file));
    Record record;
    EXPECT_FALSE(reader.ReadRecord(record));
    EXPECT_NE(reader.error().find("PNTS"), std::string::npos) << reader.error();
}

}  // namespace
}  // namespace vistagon::iso8211
