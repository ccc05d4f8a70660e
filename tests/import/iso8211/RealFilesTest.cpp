#include "SignedCoordinates.h"
#include "import/iso8211/Reader.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace vistagon::iso8211 {
namespace {

std::string ConcordFile(const char* name)
{
    return test::SharedDataDir() + "/iso8211/concord/" + name;
}

size_t CountRecords(Reader& reader)
{
    Record record;
    size_t records = 0;
    while (reader.ReadRecord(record)) ++records;
    return records;
}

TEST(Iso8211RealFiles, EveryConcordFileParsesToItsEnd)
{
    VISTAGON_REQUIRE_SHARED_DATA();
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(test::SharedDataDir() + "/iso8211/concord")) {
        if (entry.path().extension() != ".DDF") continue;
        ++files;
        Reader reader;
        ASSERT_TRUE(reader.Open(entry.path().string())) << entry.path() << ": " << reader.error();
        EXPECT_GT(CountRecords(reader), 0u) << entry.path();
        EXPECT_TRUE(reader.AtEnd()) << entry.path() << ": " << reader.error();
        EXPECT_EQ(reader.fileTitle(), entry.path().stem().string());
    }
    EXPECT_EQ(files, 42u);
}

TEST(Iso8211RealFiles, RecordCountsAgreeWithAnIndependentReader)
{
    VISTAGON_REQUIRE_SHARED_DATA();
    const std::map<std::string, size_t> expected = {
        {"HY01LE01.DDF", 1104}, {"HY01NO01.DDF", 820}, {"HY01NA01.DDF", 536}, {"HY01PC01.DDF", 537}};
    for (const auto& [name, count] : expected) {
        Reader reader;
        ASSERT_TRUE(reader.Open(ConcordFile(name.c_str()))) << name;
        EXPECT_EQ(CountRecords(reader), count) << name << ": " << reader.error();
    }
}

TEST(Iso8211RealFiles, ReusedDirectoryRecordsKeepTheirValues)
{
    VISTAGON_REQUIRE_SHARED_DATA();
    // NA01: one 'R' record, then 535 bare field areas.
    Reader reader = SignedCoordinateReader();
    ASSERT_TRUE(reader.Open(ConcordFile("HY01NA01.DDF")));
    EXPECT_EQ(reader.FindDefinition("PNTS")->name, "POINT-NODE");
    EXPECT_EQ(reader.FindDefinition("SADR")->name, "SPATIAL ADDRESS");
    Record record;
    ASSERT_TRUE(reader.ReadRecord(record));
    const auto pnts = record.Values(*record.Find("PNTS"));
    EXPECT_EQ(std::string(pnts[0].bytes), "NA01");
    EXPECT_EQ(pnts[1].integer, 2);
    // Bytes 01 D2 45 3B and 1C 0F 2D 04 of the file.
    const auto sadr = record.Values(*record.Find("SADR"));
    EXPECT_EQ(sadr[0].integer, 0x01D2453B);
    EXPECT_EQ(sadr[1].integer, 0x1C0F2D04);
    ASSERT_TRUE(reader.ReadRecord(record));
    EXPECT_EQ(record.Values(*record.Find("PNTS"))[1].integer, 3);
    EXPECT_EQ(std::string(record.Values(*record.Find("ARID"))[0].bytes), "PC01");
}

TEST(Iso8211RealFiles, VariableLengthRecordsAfterAnRLeaderStayInStep)
{
    VISTAGON_REQUIRE_SHARED_DATA();
    // DDSH records vary in length under one reused directory; their record
    // identifiers must run 1, 2, 3 ... to the last.
    Reader reader;
    ASSERT_TRUE(reader.Open(ConcordFile("HY01DDSH.DDF")));
    Record record;
    int64_t expected = 0;
    while (reader.ReadRecord(record)) {
        ++expected;
        const auto ddsh = record.Values(*record.Find("DDSH"));
        ASSERT_EQ(ddsh.size(), 10u);
        EXPECT_EQ(std::string(ddsh[0].bytes), "DDSH");
        EXPECT_EQ(ddsh[1].integer, expected);
        EXPECT_EQ(record.Values(*record.Find("0001"))[0].integer, expected);
    }
    EXPECT_TRUE(reader.AtEnd()) << reader.error();
    EXPECT_EQ(expected, 74);
}

TEST(Iso8211RealFiles, RepeatedCoordinatePairsFillTheLine)
{
    VISTAGON_REQUIRE_SHARED_DATA();
    Reader reader = SignedCoordinateReader();
    ASSERT_TRUE(reader.Open(ConcordFile("HY01LE01.DDF")));
    Record record;
    ASSERT_TRUE(reader.ReadRecord(record));
    const Field* sadr = record.Find("SADR");
    ASSERT_NE(sadr, nullptr);
    // Eight bytes per pair; the line closes on its first point.
    EXPECT_EQ(sadr->valueCount, sadr->bytes.size() / 4);
    const auto values = record.Values(*sadr);
    EXPECT_EQ(values[0].integer, values[values.size() - 2].integer);
    EXPECT_EQ(values[1].integer, values[values.size() - 1].integer);
    EXPECT_EQ(std::string(record.Values(*record.Find("ATID"))[0].bytes), "AHYF");
    EXPECT_EQ(record.Values(*record.Find("ATID"))[1].integer, 709);
}

}  // namespace
}  // namespace vistagon::iso8211
