#pragma once

#include "image/Bgr.h"
#include "image/OutputKind.h"
#include "image/SampleWindow.h"
#include "image/TgaHeader.h"
#include "image/TgaImage.h"
#include "platform/AppContext.h"
#include "platform/BinaryFile.h"

#include <array>
#include <memory>
#include <string>

namespace vistagon {

struct SamplePoint {
    double x;
    double y;
};

// The image document: a TGA header, a 24-bit raster and the pixel API through
// which import filters, image tools and the renderer create, fill, sample and
// save images. Image coordinates have y growing upward; (0, 0) is the lower-left
// pixel. Reads outside the raster give the background colour, writes outside are
// dropped.
class CTGAFile {
public:
    // Rebuilds the Gaussian table from the profile, as every image does.
    explicit CTGAFile(AppContext& context, bool loadPixels = true, double scaleX = 1.0, double scaleY = 1.0,
                      ProgressText* progress = nullptr);
    virtual ~CTGAFile();
    CTGAFile(const CTGAFile&) = delete;
    CTGAFile& operator=(const CTGAFile&) = delete;

    // A new black image of the given size, locked. Shows "Could not create TGA file." on failure.
    bool CreateImage(int width, int height);
    bool LockPixels();
    void UnlockPixels();

    virtual bool OnOpenDocument(const std::string& path);
    // Writes TGA and/or YUV by the output mode; the TGA replaces its target only when complete.
    virtual bool OnSaveDocument(const std::string& path);
    virtual void OnCloseDocument();
    OutputKind SetOutputMode(OutputKind mode);
    OutputKind outputMode() const { return outputMode_; }
    // The YUV picture, written to path with its extension replaced by ".yuv".
    bool WriteYuv(const std::string& path);

    int GetWidth() const { return lockWidth_; }
    int GetHeight() const { return lockHeight_; }
    double maxX() const { return maxX_; }
    double maxY() const { return maxY_; }

    Bgr GetPixel(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= pixelWidth_ || y >= pixelHeight_) return background_;
        const uint8_t* p = base_ + static_cast<size_t>(y) * stride_ + 3 * static_cast<size_t>(x);
        return Bgr{p[0], p[1], p[2]};
    }
    // The caller keeps the colour alive while drawing with it.
    void SetDrawColor(const Bgr* color) { drawColor_ = color; }
    void SetPixel(int x, int y)
    {
        if (x < 0 || y < 0 || x >= pixelWidth_ || y >= pixelHeight_) return;
        uint8_t* p = base_ + static_cast<size_t>(y) * stride_ + 3 * static_cast<size_t>(x);
        p[0] = drawColor_->b;
        p[1] = drawColor_->g;
        p[2] = drawColor_->r;
    }
    void FillGray(uint8_t value);
    void FillPacked(uint32_t value);
    void ApplyMask(const CTGAFile& mask);
    Bgr SampleGaussian(double x, double y) { return SampleGaussian(x, y, window_); }
    // With the caller's window: several threads may sample one image at once.
    Bgr SampleGaussian(double x, double y, SampleWindow& window) const;
    Bgr SampleFivePoint(const std::array<SamplePoint, 5>& points) const;

    const Bgr& background() const { return background_; }
    const TgaHeader& header() const { return header_; }
    TgaImage* image() { return image_.get(); }
    const TgaImage* image() const { return image_.get(); }
    // Direct access for the hot loops of the renderer: row 0 is the bottom row.
    uint8_t* PixelBase() { return base_; }
    const uint8_t* PixelBase() const { return base_; }
    size_t Stride() const { return stride_; }

    bool loadPixels() const { return loadPixels_; }
    void SetLoadPixels(bool on) { loadPixels_ = on; }
    void SetProgress(ProgressText* progress) { progress_ = progress; }
    double scaleXReciprocal() const { return inverseScaleX_; }
    double scaleYReciprocal() const { return inverseScaleY_; }
    const std::string& pathName() const { return pathName_; }
    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    bool renderingActive() const { return renderingActive_; }
    void SetRenderingActive(bool active) { renderingActive_ = active; }
    AppContext& context() { return context_; }

protected:
    // The input file a header-only document keeps open, and where its rows start.
    BinaryFile& inputFile() { return input_; }
    const BinaryFile& inputFile() const { return input_; }

private:
    bool OpenInput(const std::string& path);
    bool ReadInput(const std::string& path);
    void RefreshDocumentSize();
    bool SaveTga(const std::string& path);
    void RememberExtension(const std::string& path);
    void FillAll(const Bgr& color);

    AppContext& context_;
    TgaHeader header_;
    std::unique_ptr<TgaImage> image_;
    BinaryFile input_;
    bool loadPixels_;
    bool renderingActive_ = false;
    bool modified_ = false;
    std::string pathName_;

    uint8_t* base_ = nullptr;
    size_t stride_ = 0;
    int lockWidth_ = 0;
    int lockHeight_ = 0;
    // Bounds of the pixels actually held: 0 for a header-only document.
    int pixelWidth_ = 0;
    int pixelHeight_ = 0;
    double maxX_ = 0.0;
    double maxY_ = 0.0;

    Bgr background_{255, 255, 255};
    const Bgr* drawColor_ = &background_;
    OutputKind outputMode_ = OutputKind::TgaOnly;
    ProgressText* progress_;
    double inverseScaleX_;
    double inverseScaleY_;

    SampleWindow window_;
};

}  // namespace vistagon
