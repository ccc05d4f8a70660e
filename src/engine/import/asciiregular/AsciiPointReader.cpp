#include "import/asciiregular/AsciiPointReader.h"

namespace vistagon {

bool AsciiPointReader::Open(UserInteraction& ui, const std::string& path, int skipLines)
{
    lineNumber_ = 0;
    if (!text_.Open(ui, path)) return false;
    for (int i = 0; i < skipLines && text_.ReadLine(buffer_, kLineBuffer); ++i) {
    }
    return true;
}

bool AsciiPointReader::Next(PointLine& line)
{
    std::string_view text;
    if (!text_.ReadLineView(text, buffer_, kLineBuffer)) return false;
    ++lineNumber_;
    line = ScanPointLine(text);
    return true;
}

}  // namespace vistagon
