#pragma once

#include "platform/BinaryFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vistagon {

// A file read as text the way header and DEM files were written to be read:
// a CR directly before a LF is dropped, everything else arrives as it stands.
// Buffered, one character at a time. Raises FileError like BinaryFile.
class TextModeReader {
public:
    static constexpr int kEnd = -1;

    explicit TextModeReader(const std::string& path);

    // The next character (0..255), or kEnd.
    int Get()
    {
        const int c = Peek();
        if (c != kEnd) ++next_;
        return c;
    }
    int Peek()
    {
        if (next_ == buffer_.size() && !Fill()) return kEnd;
        const int c = buffer_[next_];
        if (c == '\r' && IsLineFeedAfterCarriageReturn()) {
            ++next_;
            return '\n';
        }
        return c;
    }

    // Appends characters up to and including the next line feed, at most limit
    // of them; false when the file had ended already.
    bool ReadLine(std::string& line, size_t limit);
    // Back to the first character.
    void Rewind();
    const std::string& path() const { return file_.path(); }

private:
    bool Fill();
    bool IsLineFeedAfterCarriageReturn();

    BinaryFile file_;
    std::vector<uint8_t> buffer_;
    size_t next_ = 0;
};

}  // namespace vistagon
