#include "SdtsTransfer.h"

#include "import/iso8211/Writer.h"

namespace vistagon::test {

using iso8211::BinaryMsbFirst;
using iso8211::Padded;
using iso8211::Writer;

namespace {

std::vector<Writer::FieldContent> CellFields(const CellRow& row, int recordId)
{
    std::string values;
    for (int v : row.cells) values += BinaryMsbFirst(v, 2);
    const std::string cell = "CEL0" + Padded(std::to_string(recordId), 6) + Padded(std::to_string(row.row), 6) +
                             Padded(std::to_string(row.column), 6);
    return {{"0001", Padded(std::to_string(recordId), 6)}, {"CELL", cell}, {"CVLS", values}};
}

}  // namespace

std::string CellModule(const std::vector<CellRow>& rows, bool reuseLayout)
{
    Writer writer("CEL0");
    writer.Describe({"0001", '0', '1', "DDF RECORD IDENTIFIER", "", ""});
    writer.Describe({"CELL", '1', '6', "Cell", "MODN!RCID!ROWI!COLI", "(A(4),I(6),I(6),I(6))"});
    writer.Describe({"CVLS", '2', '5', "Cell Values", "*ELEVATION", "(B(16))"});
    std::string file = writer.DescriptiveRecord();
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto fields = CellFields(rows[i], static_cast<int>(i + 1));
        if (!reuseLayout) file += Writer::DataRecord(fields);
        else file += i == 0 ? Writer::DataRecord(fields, 'R') : Writer::FieldArea(fields);
    }
    return file;
}

std::string CatalogModule()
{
    Writer writer("CATD");
    writer.Describe({"0001", '0', '1', "DDF RECORD IDENTIFIER", "", ""});
    writer.Describe({"CATD", '1', '6', "Catalog/Directory", "MODN!RCID!NAME!TYPE!FILE", "(A,I,3A)"});
    std::string file = writer.DescriptiveRecord();
    const char* modules[][2] = {{"IDEN", "TEST IDEN.DDF"}, {"CEL0", "TESTCEL0.DDF"}, {"LDEF", "TESTLDEF.DDF"}};
    int id = 0;
    for (const auto& module : modules) {
        ++id;
        const std::string catd = "CATD\x1f" + std::to_string(id) + "\x1f" + module[0] + "\x1fModule\x1f" + module[1];
        file += Writer::DataRecord({{"0001", Padded(std::to_string(id), 6)}, {"CATD", catd}});
    }
    return file;
}

std::vector<CellRow> FullRaster(int width, int height, int (*value)(int row, int column))
{
    std::vector<CellRow> rows;
    for (int r = 1; r <= height; ++r) {
        CellRow row{r, 1, {}};
        for (int c = 1; c <= width; ++c) row.cells.push_back(value(r, c));
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace vistagon::test
