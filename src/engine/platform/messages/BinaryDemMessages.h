#pragma once

#include "platform/messages/MessageText.h"

namespace vistagon::msg {

inline constexpr MessageText kHeaderErrors{883, "One or more errors have occured while reading the header file:\n\n"};
inline constexpr MessageText kHeaderRows{1011, "ROWS - Number of rows missing or invalid. Valid: 16 to 16384.\n"};
inline constexpr MessageText kHeaderCols{1010, "COLS - Number of columns missing or invalid. Valid: 16 to 16384.\n"};
inline constexpr MessageText kHeaderBands{1008, "BANDS - Number of spectral bands missing or invalid. Valid: 1 only.\n"};
inline constexpr MessageText kHeaderDatatype{1009, "Datatype - Number of bits per pixel missing or invalid. Valid: 8, 16, 32.\n"};
inline constexpr MessageText kHeaderUlX{1012, "UL_X_COORDINATE - x coordinate of the center of the upper-left pixel missing or invalid.\n"};
inline constexpr MessageText kHeaderUlY{1013, "UL_Y_COORDINATE - y coordinate of the center of the upper-left pixel missing or invalid.\n"};
inline constexpr MessageText kHeaderPixelWidth{1014, "PIXEL_WIDTH - missing or invalid. Valid: any non-zero positive floating point number.\n"};
inline constexpr MessageText kHeaderPixelHeight{1015, "PIXEL_HEIGHT - missing or invalid. Valid: any non-zero positive floating point number.\n"};

inline constexpr MessageText kSizeMismatch{999, "The input file size is not exactly the\nsame as specified in the header file.\n\nConvert anyway?"};
inline constexpr MessageText kElevationRange{1007, "Range of elevations written to the output file:\nminimum %lf\nmaximum %lf"};

// Our own: sizes a TGA cannot hold, and files that fail while converting.
inline constexpr MessageText kOutputSizeInvalid{0, "An output image of %.0f x %.0f pixels cannot be written: width and height have to be between 1 and 65535."};
inline constexpr MessageText kCannotReadFile{0, "Cannot read file '%s'."};
inline constexpr MessageText kCannotWriteFile{0, "Cannot write file '%s'."};

}  // namespace vistagon::msg
