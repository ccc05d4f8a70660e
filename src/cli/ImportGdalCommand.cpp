#include "Commands.h"

#include "import/gdal/GdalImportJob.h"
#include "import/gdal/GdalSummaryText.h"

#include <cmath>
#include <cstdio>

// Linked only into vistagon-cli-gdal, which vistagon-cli hands "import gdal" to.

namespace vistagon::cli {

namespace {

// "WxH".
PixelSize ParseSize(const std::string& word)
{
    const size_t x = word.find_first_of("xX");
    const auto width = x == std::string::npos ? std::nullopt : ParseIntWord(word.substr(0, x));
    const auto height = x == std::string::npos ? std::nullopt : ParseIntWord(word.substr(x + 1));
    if (!width || !height || *width < 1 || *height < 1)
        throw UsageError("--size takes a width and a height WxH of at least 1, not '" + word + "'");
    return PixelSize{*width, *height};
}

RasterWindow ParseWindow(const ArgumentList& args)
{
    const auto values = args.Doubles("--window", 4);
    const std::vector<double>& v = *values;
    for (double value : v)
        if (!(std::fabs(value) < 2147483647.0) || value != std::trunc(value)) throw UsageError("--window takes whole pixel numbers XOFF,YOFF,W,H");
    return RasterWindow{static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]), static_cast<int>(v[3])};
}

GdalImportOptions ParseOptions(const ArgumentList& args)
{
    GdalImportOptions options;
    options.source = args.positional()[0];
    options.target = args.positional()[1];
    options.band = args.Int("--band").value_or(options.band);
    if (options.band < 1) throw UsageError("--band takes a band number of at least 1");
    options.zScale = args.Double("--zscale").value_or(options.zScale);
    options.voidValue = args.Int("--void").value_or(options.voidValue);
    if (options.voidValue < -8388608 || options.voidValue > 8388607)
        throw UsageError("--void takes a height between -8388608 and 8388607");
    if (auto size = args.Value("--size")) options.size = ParseSize(*size);
    if (args.Value("--window")) options.window = ParseWindow(args);
    options.texture = args.Has("--texture");
    return options;
}

}  // namespace

// import gdal SOURCE TARGET: any raster GDAL reads, as heights or as a texture.
int RunImportGdal(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args(words, {"--band", "--zscale", "--void", "--size", "--window"}, {"--texture"});
    args.ExpectPositional(2, 2);
    const GdalImportOptions options = ParseOptions(args);
    GdalImportJob job(session.context, options);
    const bool converted = job.Run();
    if (!converted || job.WasCancelled()) return kFailure;
    std::fputs(GdalSummaryText(job.summary(), options).c_str(), session.out);
    return kSuccess;
}

}  // namespace vistagon::cli
