#pragma once

#include <string>
#include <vector>

namespace vistagon::test {

// One record of a cell module: ROWI, COLI and the row's ELEVATION values.
struct CellRow {
    int row;
    int column;
    std::vector<int> cells;
};

// A cell module of an SDTS raster transfer as the import reads it: record
// identifier, CELL (MODN, RCID, ROWI, COLI) and CVLS (repeated 16-bit ELEVATION).
// With reuseLayout the first record's leader id is 'R' and the later records
// carry only their field areas (then every row must hold as many cells).
std::string CellModule(const std::vector<CellRow>& rows, bool reuseLayout = false);

// The catalogue module of the transfer: which module lives in which file.
std::string CatalogModule();

// Rows 1 ... height, each from column 1 with `width` values value(row, column).
std::vector<CellRow> FullRaster(int width, int height, int (*value)(int row, int column));

}  // namespace vistagon::test
