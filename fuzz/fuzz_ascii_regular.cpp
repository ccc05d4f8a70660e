// ASCII regular mesh import: every line of the input through the number scanner,
// then the scan and the conversion with the scan's proposals. The proposed size
// is capped so that each run stays small; sizes of 0 or below still go through.
#include "FuzzSupport.h"
#include "import/asciiregular/AsciiRegularJob.h"
#include "import/asciiregular/PointLine.h"
#include "platform/TempFiles.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

constexpr int kMaxSide = 512;

void ScanEveryLine(std::string_view text)
{
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size() - 1);
        const vistagon::PointLine line = vistagon::ScanPointLine(text.substr(0, end + 1));
        // Cleaned text holds no letters, so no number can come out as NaN.
        for (int i = 0; i < line.count; ++i)
            if (std::isnan(line.values[i])) __builtin_trap();
        text.remove_prefix(end + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vistagon;
    static const fuzz::FuzzFolder folder;
    fuzz::FuzzSession session(folder);
    AppContext& context = session.context;

    ScanEveryLine(std::string_view(reinterpret_cast<const char*>(data), size));

    AsciiRegularOptions options;
    options.source = folder.Write("input.txt", data, size);
    options.target = folder.File("out.tga");
    options.skipLines = size > 0 ? data[0] % 3 : 0;
    const FileRemover remove(options.target);
    AsciiRegularJob job(context, options);
    job.Scan();
    job.options().width = std::min(job.options().width, kMaxSide);
    job.options().height = std::min(job.options().height, kMaxSide);
    job.Run();
    return 0;
}
