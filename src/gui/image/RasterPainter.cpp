#include "RasterPainter.h"

#include "image/CTGAFile.h"

#include <cstring>
#include <vector>

namespace vistagon::gui {

namespace {

constexpr uint8_t kBorderGray = 255;

// The canvas column (or row) each target pixel samples, minus the border: the
// picture's index, or -1 outside the picture.
std::vector<int> SourceIndices(int from, int count, double scale, int border, int extent)
{
    std::vector<int> indices(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int source = static_cast<int>((from + i) / scale) - border;
        indices[static_cast<size_t>(i)] = source >= 0 && source < extent ? source : -1;
    }
    return indices;
}

}  // namespace

QImage RasterPainter::Part(const CTGAFile& document, const QRect& target, double scaleX, double scaleY, int border)
{
    QImage part(target.size(), QImage::Format_BGR888);
    if (part.isNull()) return part;
    const int width = document.GetWidth();
    const int height = document.GetHeight();
    const uint8_t* base = document.PixelBase();
    const std::vector<int> columns = SourceIndices(target.left(), target.width(), scaleX, border, width);
    const std::vector<int> rows = SourceIndices(target.top(), target.height(), scaleY, border, height);
    for (int y = 0; y < target.height(); ++y) {
        uint8_t* out = part.scanLine(y);
        const int topRow = rows[static_cast<size_t>(y)];
        if (topRow < 0 || base == nullptr) {
            std::memset(out, kBorderGray, static_cast<size_t>(target.width()) * 3);
            continue;
        }
        // Rows are stored bottom-up.
        const uint8_t* in = base + static_cast<size_t>(height - 1 - topRow) * document.Stride();
        for (int x = 0; x < target.width(); ++x, out += 3) {
            const int column = columns[static_cast<size_t>(x)];
            if (column < 0) {
                out[0] = out[1] = out[2] = kBorderGray;
                continue;
            }
            std::memcpy(out, in + 3 * static_cast<size_t>(column), 3);
        }
    }
    return part;
}

QImage RasterPainter::Whole(const CTGAFile& document)
{
    return Rows(FramePicture{0, document.GetWidth(), document.GetHeight(), document.Stride(), document.PixelBase()});
}

QImage RasterPainter::Rows(const FramePicture& rows)
{
    const int width = rows.width;
    const int height = rows.height;
    if (width <= 0 || height <= 0 || rows.rows == nullptr) return {};
    QImage picture(width, height, QImage::Format_BGR888);
    if (picture.isNull()) return picture;
    for (int y = 0; y < height; ++y)
        std::memcpy(picture.scanLine(y), rows.rows + static_cast<size_t>(height - 1 - y) * rows.stride,
                    static_cast<size_t>(width) * 3);
    return picture;
}

bool RasterPainter::Adopt(CTGAFile& document, const QImage& picture)
{
    if (picture.isNull()) return false;
    const QImage converted = picture.convertToFormat(QImage::Format_BGR888);
    if (converted.isNull() || !document.CreateImage(converted.width(), converted.height())) return false;
    const int height = converted.height();
    for (int y = 0; y < height; ++y)
        std::memcpy(document.PixelBase() + static_cast<size_t>(height - 1 - y) * document.Stride(),
                    converted.constScanLine(y), static_cast<size_t>(converted.width()) * 3);
    return true;
}

}  // namespace vistagon::gui
