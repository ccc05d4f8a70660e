#pragma once

#include "import/iso8211/DecoderTable.h"
#include "import/iso8211/Record.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace vistagon {

// Builds an elevation raster from the records of an SDTS cell module in two
// passes: the first finds the raster size from ROWI, COLI and the count of
// ELEVATION values, the second stores every ELEVATION value in its cell.
class SdtsRasterBuilder {
public:
    // A void or fill value of 0 is inactive.
    SdtsRasterBuilder(int voidValue, int fillValue) : voidValue_(voidValue), fillValue_(fillValue) {}

    // X and Y are signed 32-bit and ELEVATION signed 16-bit binary values,
    // most significant byte first.
    static iso8211::DecoderTable Decoders();

    // Starts pass 1 or 2; every pass starts at row 0, column 0.
    void BeginPass(int pass);
    // The second pass writes into this raster: bottom-up rows of 3-byte cells.
    void AttachRaster(uint8_t* pixels, size_t stride, int width, int height);

    void Take(const iso8211::Record& record);
    void OnSubfield(std::string_view mnemonic, int64_t value);

    int64_t largestRow() const { return largestRow_; }
    int64_t largestColumn() const { return largestColumn_; }
    // COLI counts from 1 and every value moves one column on, so the last
    // column seen lies one beyond the raster.
    int64_t RasterWidth() const { return largestColumn_ - 1; }
    int64_t RasterHeight() const { return largestRow_; }

    // The value a subfield hands over: integers as they are, reals truncated
    // toward zero, text by its leading digits; none for bit strings.
    static std::optional<int64_t> IntegerOf(const iso8211::SubfieldValue& value);

private:
    void MeasureCell();
    void StoreCell(int64_t value);

    int voidValue_;
    int fillValue_;
    bool secondPass_ = false;
    int64_t currentRow_ = 0;
    int64_t currentColumn_ = 0;
    int64_t largestRow_ = -1;
    int64_t largestColumn_ = -1;

    uint8_t* pixels_ = nullptr;
    size_t stride_ = 0;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace vistagon
