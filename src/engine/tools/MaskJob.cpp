#include "tools/MaskJob.h"

#include "platform/TextFormat.h"
#include "platform/messages/ToolMessages.h"

namespace vistagon {

bool MaskJob::Convert()
{
    const std::optional<Georeference> georeference = ReadGeoreference(options_.source);
    CTGAFile mask = MakeImage();
    if (!mask.OnOpenDocument(options_.mask)) return false;
    CTGAFile source = MakeImage();
    if (!source.OnOpenDocument(options_.source)) return false;
    if (mask.GetWidth() != source.GetWidth() || mask.GetHeight() != source.GetHeight()) {
        // Saying why is kinder than failing without a word.
        context_.ui.ShowMessage(FormatText(msg::kMaskSizeMismatch.text, options_.mask.c_str(), mask.GetWidth(),
                                           mask.GetHeight(), options_.source.c_str(), source.GetWidth(),
                                           source.GetHeight()),
                                MessageIcon::Stop);
        return false;
    }
    source.ApplyMask(mask);
    return source.OnSaveDocument(options_.target) && SaveGeoreference(context_, options_.target, georeference);
}

}  // namespace vistagon
