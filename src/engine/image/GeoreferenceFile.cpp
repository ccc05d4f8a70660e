#include "image/GeoreferenceFile.h"

#include "image/PamDocument.h"
#include "image/YuvPath.h"
#include "platform/FileError.h"
#include "platform/TempFiles.h"
#include "platform/TextFormat.h"
#include "platform/messages/BinaryDemMessages.h"

#include <cerrno>

namespace vistagon {

namespace {

// Ours are a few kilobytes; GDAL adds statistics and histograms, still far less.
constexpr uint64_t kLargestAuxFile = uint64_t{16} << 20;

}  // namespace

std::string GeoreferencePath(const std::string& rasterPath)
{
    return rasterPath + ".aux.xml";
}

std::optional<Georeference> ReadGeoreference(const std::string& rasterPath)
{
    const std::string path = GeoreferencePath(rasterPath);
    if (!CanOpenForReading(path)) return std::nullopt;
    try {
        BinaryFile file(path, BinaryFile::Mode::Read);
        const uint64_t size = file.Size();
        if (size > kLargestAuxFile) return std::nullopt;
        std::string text(static_cast<size_t>(size), '\0');
        text.resize(file.Read(text.data(), text.size()));
        return ParsePam(text);
    } catch (const FileError&) {
        return std::nullopt;
    }
}

void WriteGeoreference(const std::string& rasterPath, const std::optional<Georeference>& georeference)
{
    const std::string path = GeoreferencePath(rasterPath);
    if (!georeference || HasYuvExtension(rasterPath)) {
        if (!RemoveFileQuietly(path)) throw FileError(FileError::Cause::Remove, path, errno);
        return;
    }
    const std::string text = PamText(*georeference);
    ReplacingFileWriter writer(path);
    writer.Begin().Write(text.data(), text.size());
    writer.Commit();
}

bool SaveGeoreference(AppContext& context, const std::string& rasterPath,
                      const std::optional<Georeference>& georeference)
{
    try {
        WriteGeoreference(rasterPath, georeference);
        return true;
    } catch (const FileError& error) {
        RemoveFileQuietly(GeoreferencePath(rasterPath));
        context.ui.ShowMessage(FormatText(msg::kCannotWriteFile.text, error.path().c_str()), MessageIcon::Stop);
        return false;
    }
}

}  // namespace vistagon
