#include "Commands.h"
#include "import/binarydem/BinaryDemJob.h"
#include "import/binarydem/BinaryHeaderReader.h"
#include "platform/TextFormat.h"
#include "platform/messages/CommonMessages.h"

namespace vistagon::cli {

// import binary HEADER SOURCE TARGET: the region defaults to the whole raster,
// as the dialog fills it in once the header has loaded.
int RunImportBinary(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args(words, {"--ulx", "--uly", "--extent-x", "--extent-y", "--zscale"}, {"--keep-nodata"});
    args.ExpectPositional(3, 3);
    BinaryDemOptions options;
    options.headerPath = args.positional()[0];
    options.sourcePath = args.positional()[1];
    options.targetPath = args.positional()[2];
    // Malformed numbers are usage errors before anything is read.
    const auto ulx = args.Double("--ulx"), uly = args.Double("--uly");
    const auto extentX = args.Double("--extent-x"), extentY = args.Double("--extent-y");
    const auto zScale = args.Double("--zscale");

    BinaryHeaderInfo header;
    switch (ReadBinaryHeader(options.headerPath, session.interaction, header)) {
    case HeaderReadResult::Loaded: break;
    case HeaderReadResult::NotOpened:
        // The dialog stays silent here; a command line has to say why it stops.
        session.interaction.ShowMessage(FormatText(msg::kCannotOpenFile.text, options.headerPath.c_str()),
                                        MessageIcon::Stop);
        return kFailure;
    case HeaderReadResult::Invalid: return kFailure;
    }
    options.TakeHeaderGeometry(header);
    options.upperLeftX = ulx.value_or(options.upperLeftX);
    options.upperLeftY = uly.value_or(options.upperLeftY);
    options.extentX = extentX.value_or(options.extentX);
    options.extentY = extentY.value_or(options.extentY);
    options.zScale = zScale.value_or(options.zScale);
    options.keepNodata = args.Has("--keep-nodata");

    BinaryDemJob job(session.context, header, options);
    const bool converted = job.Run();
    return converted && !job.WasCancelled() ? kSuccess : kFailure;
}

}  // namespace vistagon::cli
