#pragma once

#include "image/TgaHeader.h"
#include "image/TgaImage.h"

#include <memory>

namespace vistagon {

class BinaryFile;
class ProgressText;

// What a read produced.
enum class TgaReadResult { Raster, HeaderOnly, Invalid };

// Reads the header and, when loadPixels is on, the rows. Refuses short headers,
// colour-mapped and compressed files, and files shorter than their pixel rows
// (checked before anything is allocated). Raises FileError on read errors.
TgaReadResult ReadTga(BinaryFile& file, TgaHeader& header, bool loadPixels, ProgressText* progress,
                      std::unique_ptr<TgaImage>& raster);

// Writes the 18-byte header and the rows, bottom row first. False (nothing
// written) for a raster that is not a plain 24-bit bitmap. Raises FileError.
bool WriteTga(const TgaImage* raster, BinaryFile& file, ProgressText* progress);

// A zero-filled raster of the header's size; none for unsupported headers or short memory.
std::unique_ptr<TgaImage> AllocateFromHeader(const TgaHeader& header);

}  // namespace vistagon
