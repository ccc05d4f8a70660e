#include "image/CTGAFile.h"

#include "image/GaussTable.h"
#include "image/TgaCodec.h"
#include "image/YuvPath.h"
#include "platform/FileError.h"
#include "platform/RetryingSave.h"
#include "platform/Truncate.h"
#include "platform/TextFormat.h"
#include "platform/messages/CommonMessages.h"
#include "platform/messages/ImageMessages.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace vistagon {

CTGAFile::CTGAFile(AppContext& context, bool loadPixels, double scaleX, double scaleY, ProgressText* progress)
    : context_(context), loadPixels_(loadPixels), progress_(progress),
      inverseScaleX_(1.0 / scaleX), inverseScaleY_(1.0 / scaleY)
{
    BuildGaussTable(context_.profile);
}

CTGAFile::~CTGAFile() = default;

bool CTGAFile::CreateImage(int width, int height)
{
    loadPixels_ = true;
    input_.Abort();
    UnlockPixels();
    header_ = TgaHeader::ForImage(width, height);
    image_ = (width >= 0 && width <= 0xFFFF && height >= 0 && height <= 0xFFFF) ? AllocateFromHeader(header_) : nullptr;
    if (!image_ || !LockPixels()) {
        image_.reset();
        context_.ui.ShowMessage(msg::kCouldNotCreateTga.text, MessageIcon::Stop);
        return false;
    }
    window_ = SampleWindow{};
    return true;
}

bool CTGAFile::LockPixels()
{
    if (!loadPixels_) return true;
    if (!image_) return false;
    base_ = image_->Pixels();
    stride_ = image_->stride();
    lockWidth_ = pixelWidth_ = image_->width();
    lockHeight_ = pixelHeight_ = std::abs(image_->height());
    maxX_ = lockWidth_ - 1.0;
    maxY_ = lockHeight_ - 1.0;
    return true;
}

void CTGAFile::UnlockPixels()
{
    base_ = nullptr;
    stride_ = 0;
    lockWidth_ = lockHeight_ = pixelWidth_ = pixelHeight_ = 0;
    maxX_ = maxY_ = 0.0;
}

bool CTGAFile::OpenInput(const std::string& path)
{
    for (;;) {
        try {
            input_.Open(path, BinaryFile::Mode::Read);
            return true;
        } catch (const FileError&) {
            if (!AskRetry(context_.ui, FormatText(msg::kCouldNotOpenTga.text, path.c_str()))) return false;
        }
    }
}

bool CTGAFile::ReadInput(const std::string& path)
{
    for (;;) {
        bool ok = false;
        try {
            const TgaReadResult result = ReadTga(input_, header_, loadPixels_, progress_, image_);
            ok = result == TgaReadResult::Raster || (result == TgaReadResult::HeaderOnly && !loadPixels_);
        } catch (const FileError&) {
            image_.reset();
        }
        if (ok) return true;
        if (!AskRetry(context_.ui, FormatText(msg::kCouldNotReadTga.text, path.c_str()))) {
            input_.Abort();
            return false;
        }
        try {
            input_.Seek(0);
        } catch (const FileError&) {
            // The next read fails again and asks once more.
        }
    }
}

void CTGAFile::RefreshDocumentSize()
{
    if (image_ && (image_->width() < 0 || image_->height() < 0)) {
        context_.ui.ShowMessage(msg::kTgaTooLarge.text, MessageIcon::Warning);
        image_.reset();
    }
}

void CTGAFile::RememberExtension(const std::string& path)
{
    try {
        context_.profile.WriteString("Recent File Load", "Name", std::filesystem::path(path).extension().string());
    } catch (const FileError&) {
        // A profile that cannot be written only loses the remembered file type.
    }
}

bool CTGAFile::OnOpenDocument(const std::string& path)
{
    if (!OpenInput(path)) return false;
    UnlockPixels();
    image_.reset();
    window_ = SampleWindow{};
    if (!ReadInput(path)) return false;
    RefreshDocumentSize();

    if (!image_ && loadPixels_) {
        context_.ui.ShowMessage(FormatText(msg::kCannotOpenFile.text, path.c_str()), MessageIcon::Stop);
        input_.Abort();
        return false;
    }
    pathName_ = path;
    modified_ = false;
    if (loadPixels_) input_.Abort();
    RememberExtension(path);
    lockWidth_ = header_.width;
    lockHeight_ = header_.height;
    maxX_ = lockWidth_ - 1.0;
    maxY_ = lockHeight_ - 1.0;
    return LockPixels();
}

bool CTGAFile::SaveTga(const std::string& path)
{
    const SaveOutcome outcome = SaveWithRetry(context_.ui, path, msg::kCouldNotOpenTga.text, msg::kCouldNotSaveTga.text,
                                              [this](BinaryFile& file) { return WriteTga(image_.get(), file, progress_); });
    if (outcome == SaveOutcome::Refused)
        context_.ui.ShowMessage(FormatText(msg::kCannotSaveImageKind.text, path.c_str()), MessageIcon::Stop);
    if (outcome != SaveOutcome::Saved) return false;
    modified_ = false;
    return true;
}

bool CTGAFile::OnSaveDocument(const std::string& path)
{
    bool result = true;
    if (outputMode_ == OutputKind::TgaOnly || outputMode_ == OutputKind::TgaAndYuv) {
        if (HasYuvExtension(path)) return WriteYuv(path);
        result = SaveTga(path);
        if (!result) return false;
    }
    if (outputMode_ == OutputKind::YuvOnly || outputMode_ == OutputKind::TgaAndYuv) result = WriteYuv(path) && result;
    return result;
}

void CTGAFile::OnCloseDocument()
{
    UnlockPixels();
    renderingActive_ = false;
    image_.reset();
    input_.Abort();
}

OutputKind CTGAFile::SetOutputMode(OutputKind mode)
{
    const OutputKind previous = outputMode_;
    outputMode_ = mode;
    return previous;
}

void CTGAFile::FillAll(const Bgr& color)
{
    drawColor_ = &background_;
    for (int y = 0; y < pixelHeight_; ++y) {
        uint8_t* p = base_ + static_cast<size_t>(y) * stride_;
        for (int x = 0; x < pixelWidth_; ++x, p += 3) {
            p[0] = color.b;
            p[1] = color.g;
            p[2] = color.r;
        }
    }
}

void CTGAFile::FillGray(uint8_t value)
{
    background_ = Bgr{value, value, value};
    FillAll(background_);
}

void CTGAFile::FillPacked(uint32_t value)
{
    background_ = BgrFromPacked(value);
    FillAll(background_);
}

void CTGAFile::ApplyMask(const CTGAFile& mask)
{
    const Bgr k0 = mask.GetPixel(0, 0);
    const Bgr k1 = mask.GetPixel(1, 0);
    const Bgr k2 = mask.GetPixel(2, 0);
    Bgr t;
    drawColor_ = &t;
    for (int y = 0; y < header_.height; ++y) {
        for (int x = 0; x < header_.width; ++x) {
            const Bgr m = mask.GetPixel(x, y);
            t = GetPixel(x, y);
            if (m == k0) {
                // keep the target
            } else if (m == k1) {
                t = Bgr{static_cast<uint8_t>(std::min(t.b + 64, 255)), static_cast<uint8_t>(std::min(t.g + 64, 255)),
                        static_cast<uint8_t>(std::min(t.r + 64, 255))};
            } else if (m == k2) {
                t = Bgr{static_cast<uint8_t>(std::max(t.b - 64, 0)), static_cast<uint8_t>(std::max(t.g - 64, 0)),
                        static_cast<uint8_t>(std::max(t.r - 64, 0))};
            } else {
                t = m;
            }
            SetPixel(x, y);
        }
    }
    drawColor_ = &background_;
}

Bgr CTGAFile::SampleGaussian(double x, double y, SampleWindow& window) const
{
    const double xs = x - 1.0;
    const double ys = y - 1.0;
    if (!(xs >= 0.0 && xs < maxX_ - 2.0 && ys >= 0.0 && ys < maxY_ - 2.0)) return background_;
    const int gx = static_cast<int>(xs);
    const int gy = static_cast<int>(ys);
    const double fx = xs - gx;
    const double fy = ys - gy;
    if (gx != window.x || gy != window.y) {
        for (int j = 0; j < 4; ++j)
            for (int i = 0; i < 4; ++i) window.texels[static_cast<size_t>(4 * j + i)] = GetPixel(gx + i, gy + j);
        window.x = gx;
        window.y = gy;
    }
    const double dx[4] = {fx + 1.0, fx, 1.0 - fx, 2.0 - fx};
    const double dy[4] = {fy + 1.0, fy, 1.0 - fy, 2.0 - fy};
    const GaussWeights& gauss = GaussTable();
    double sumB = 0.0, sumG = 0.0, sumR = 0.0, sumW = 0.0;
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 4; ++i) {
            const int k = static_cast<int>(10.0 * dx[i] * dx[i] + 10.0 * dy[j] * dy[j]);
            const double w = gauss[static_cast<size_t>(std::clamp(k, 0, 80))];
            const Bgr& p = window.texels[static_cast<size_t>(4 * j + i)];
            sumB += w * p.b;
            sumG += w * p.g;
            sumR += w * p.r;
            sumW += w;
        }
    }
    const double norm = sumW + 1e-8;
    const auto channel = [norm](double sum) {
        const double v = sum / norm;
        return static_cast<uint8_t>(v > 255.0 ? 255 : static_cast<int>(v));
    };
    return Bgr{channel(sumB), channel(sumG), channel(sumR)};
}

Bgr CTGAFile::SampleFivePoint(const std::array<SamplePoint, 5>& points) const
{
    int b = 0, g = 0, r = 0;
    for (const SamplePoint& point : points) {
        const Bgr p = GetPixel(TruncateToInt(point.x), TruncateToInt(point.y));
        b += p.b;
        g += p.g;
        r += p.r;
    }
    return Bgr{static_cast<uint8_t>(b / 5), static_cast<uint8_t>(g / 5), static_cast<uint8_t>(r / 5)};
}

}  // namespace vistagon
