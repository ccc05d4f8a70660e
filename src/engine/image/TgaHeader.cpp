#include "image/TgaHeader.h"

namespace vistagon {

namespace {

void Put16(uint8_t* at, uint16_t value)
{
    at[0] = static_cast<uint8_t>(value & 0xFF);
    at[1] = static_cast<uint8_t>(value >> 8);
}

uint16_t Get16(const uint8_t* at)
{
    return static_cast<uint16_t>(at[0] | (at[1] << 8));
}

}  // namespace

TgaHeader TgaHeader::ForImage(int width, int height)
{
    TgaHeader header;
    header.width = static_cast<uint16_t>(width & 0xFFFF);
    header.height = static_cast<uint16_t>(height & 0xFFFF);
    return header;
}

std::array<uint8_t, TgaHeader::kSize> TgaHeader::Encode() const
{
    std::array<uint8_t, kSize> bytes{};
    bytes[0] = idLength;
    bytes[1] = colorMapType;
    bytes[2] = imageType;
    Put16(&bytes[3], colorMapFirst);
    Put16(&bytes[5], colorMapLength);
    bytes[7] = colorMapEntrySize;
    Put16(&bytes[8], xOrigin);
    Put16(&bytes[10], yOrigin);
    Put16(&bytes[12], width);
    Put16(&bytes[14], height);
    bytes[16] = bitsPerPixel;
    bytes[17] = descriptor;
    return bytes;
}

TgaHeader TgaHeader::Decode(const uint8_t* bytes)
{
    TgaHeader header;
    header.idLength = bytes[0];
    header.colorMapType = bytes[1];
    header.imageType = bytes[2];
    header.colorMapFirst = Get16(&bytes[3]);
    header.colorMapLength = Get16(&bytes[5]);
    header.colorMapEntrySize = bytes[7];
    header.xOrigin = Get16(&bytes[8]);
    header.yOrigin = Get16(&bytes[10]);
    header.width = Get16(&bytes[12]);
    header.height = Get16(&bytes[14]);
    header.bitsPerPixel = bytes[16];
    header.descriptor = bytes[17];
    return header;
}

}  // namespace vistagon
