#include "import/sdts/SdtsRasterBuilder.h"

#include "image/ElevationEncoding.h"
#include "platform/NumberParsing.h"
#include "platform/Truncate.h"

#include <algorithm>
#include <climits>
#include <strings.h>

namespace vistagon {

namespace {

enum class Role { Other, Elevation, Row, Column };

Role RoleOf(std::string_view mnemonic)
{
    const auto is = [mnemonic](const char* lower) {
        return mnemonic.size() == std::char_traits<char>::length(lower) &&
               strncasecmp(mnemonic.data(), lower, mnemonic.size()) == 0;
    };
    if (is("elevation")) return Role::Elevation;
    if (is("rowi")) return Role::Row;
    if (is("coli")) return Role::Column;
    return Role::Other;
}

int SaturatedInt(int64_t value)
{
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

}  // namespace

iso8211::DecoderTable SdtsRasterBuilder::Decoders()
{
    using iso8211::BinaryKind;
    using iso8211::ByteOrder;
    iso8211::DecoderTable table;
    for (const char* mnemonic : {"X", "Y", "ELEVATION"})
        table.Set(mnemonic, {BinaryKind::Signed, ByteOrder::MostSignificantFirst});
    return table;
}

std::optional<int64_t> SdtsRasterBuilder::IntegerOf(const iso8211::SubfieldValue& value)
{
    switch (value.kind) {
    case iso8211::ValueKind::Integer: return value.integer;
    case iso8211::ValueKind::Real: return TruncateToInt(value.real);
    case iso8211::ValueKind::Text: return ParseLeadingInt(value.bytes);
    case iso8211::ValueKind::Bits: return std::nullopt;
    }
    return std::nullopt;
}

void SdtsRasterBuilder::BeginPass(int pass)
{
    secondPass_ = pass == 2;
    currentRow_ = 0;
    currentColumn_ = 0;
}

void SdtsRasterBuilder::AttachRaster(uint8_t* pixels, size_t stride, int width, int height)
{
    pixels_ = pixels;
    stride_ = stride;
    width_ = width;
    height_ = height;
}

void SdtsRasterBuilder::Take(const iso8211::Record& record)
{
    for (const iso8211::SubfieldValue& value : record.values) {
        if (const auto integer = IntegerOf(value)) OnSubfield(value.mnemonic(), *integer);
    }
}

void SdtsRasterBuilder::OnSubfield(std::string_view mnemonic, int64_t value)
{
    switch (RoleOf(mnemonic)) {
    case Role::Elevation:
        if (secondPass_) StoreCell(value);
        else MeasureCell();
        break;
    case Role::Row:
        currentRow_ = value;
        if (!secondPass_) largestRow_ = std::max(largestRow_, value);
        break;
    case Role::Column:
        currentColumn_ = value;
        if (!secondPass_) largestColumn_ = std::max(largestColumn_, value);
        break;
    case Role::Other:
        break;
    }
}

void SdtsRasterBuilder::MeasureCell()
{
    // Saturating: a hostile COLI near the top cannot overflow.
    if (currentColumn_ < INT64_MAX) ++currentColumn_;
    largestColumn_ = std::max(largestColumn_, currentColumn_);
}

void SdtsRasterBuilder::StoreCell(int64_t value)
{
    int elevation = SaturatedInt(value);
    if (voidValue_ != 0 && elevation == voidValue_) elevation = 0;
    if (fillValue_ != 0 && elevation == fillValue_) elevation = 0;
    // ROWI 1 is the top row of the picture; cells outside the raster are dropped.
    const bool inside = currentColumn_ >= 1 && currentColumn_ <= width_ && currentRow_ >= 1 && currentRow_ <= height_;
    if (pixels_ != nullptr && inside) {
        const auto x = static_cast<size_t>(currentColumn_ - 1);
        const auto y = static_cast<size_t>(height_ - currentRow_);
        const Bgr cell = EncodeElevation(elevation);
        uint8_t* p = pixels_ + y * stride_ + 3 * x;
        p[0] = cell.b;
        p[1] = cell.g;
        p[2] = cell.r;
    }
    if (currentColumn_ < INT64_MAX) ++currentColumn_;
}

}  // namespace vistagon
