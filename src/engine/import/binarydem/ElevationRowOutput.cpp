#include "import/binarydem/ElevationRowOutput.h"

#include "image/TgaHeader.h"
#include "image/YuvPath.h"
#include "platform/FileError.h"
#include "platform/TextFormat.h"
#include "platform/messages/BinaryDemMessages.h"
#include "platform/messages/CommonMessages.h"

#include <cstring>

namespace vistagon {

ElevationRowOutput::ElevationRowOutput(AppContext& context, std::string target)
    : context_(context), target_(target), writer_(std::move(target))
{
}

bool ElevationRowOutput::Open(int width, int height)
{
    width_ = width;
    if (HasYuvExtension(target_)) {
        image_ = std::make_unique<CTGAFile>(context_);
        return image_->CreateImage(width, height);
    }
    try {
        const auto header = TgaHeader::ForImage(width, height).Encode();
        writer_.Begin().Write(header.data(), header.size());
        return true;
    } catch (const FileError&) {
        writer_.Abandon();
        context_.ui.ShowMessage(FormatText(msg::kCannotOpenFile.text, target_.c_str()), MessageIcon::Stop);
        return false;
    }
}

void ElevationRowOutput::WriteRow(int y, const uint8_t* pixels)
{
    const size_t bytes = 3 * static_cast<size_t>(width_);
    if (image_) std::memcpy(image_->PixelBase() + static_cast<size_t>(y) * image_->Stride(), pixels, bytes);
    else writer_.file().Write(pixels, bytes);
}

bool ElevationRowOutput::Commit()
{
    if (image_) {
        const bool saved = image_->OnSaveDocument(target_);
        image_->OnCloseDocument();
        image_.reset();
        return saved;
    }
    try {
        writer_.Commit();
        return true;
    } catch (const FileError&) {
        writer_.Abandon();
        context_.ui.ShowMessage(FormatText(msg::kCannotWriteFile.text, target_.c_str()), MessageIcon::Stop);
        return false;
    }
}

void ElevationRowOutput::Abandon()
{
    writer_.Abandon();
    if (image_) image_->OnCloseDocument();
    image_.reset();
}

}  // namespace vistagon
