#pragma once

#include "import/TextFileReader.h"
#include "import/asciiregular/PointLine.h"

#include <string>

namespace vistagon {

// The data lines of an x y z text file: lines of at most 1023 characters, the
// first `skipLines` of them ignored, the rest numbered from 1.
class AsciiPointReader {
public:
    static constexpr size_t kLineBuffer = 1024;

    // Opens the source (asking to retry while it cannot be opened) and skips the header lines.
    bool Open(UserInteraction& ui, const std::string& path, int skipLines);
    // The next data line; false at the end of the file.
    bool Next(PointLine& line);
    void Close() noexcept { text_.Close(); }

    long lineNumber() const { return lineNumber_; }
    bool failed() const { return text_.failed(); }

private:
    TextFileReader text_;
    std::string buffer_;
    long lineNumber_ = 0;
};

}  // namespace vistagon
