#pragma once

#include "platform/BinaryFile.h"
#include "platform/UserInteraction.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vistagon {

// A source file read as text, the way the C runtime's text mode reads the files
// these formats come from: CR LF arrives as a single line feed. A read error ends
// the text early and is remembered, so callers can tell it from a clean end.
class TextFileReader {
public:
    // Opens the file, asking "Could not open file ... Retry?" until it opens or
    // the answer is No (then false).
    bool Open(UserInteraction& ui, const std::string& path);
    void Close() noexcept { file_.Abort(); }

    // One character, or -1 at the end of the text.
    int Get()
    {
        const int c = RawGet();
        if (c == '\r' && RawPeek() == '\n') return RawGet();
        return c;
    }
    // Like fgets with a buffer of `capacity` characters: at most capacity - 1
    // characters, ending after a line feed. False at the end of the text.
    bool ReadLine(std::string& line, size_t capacity);
    // The same line as ReadLine gives, seen in place when it lies whole in the
    // read buffer (then no copy is made); otherwise read into `spill`. The view
    // holds until the next read.
    bool ReadLineView(std::string_view& line, std::string& spill, size_t capacity);
    // Skips through the next line feed, or to the end of the text.
    void SkipLine();

    bool failed() const { return failed_; }

private:
    int RawGet()
    {
        if (next_ == end_ && !Refill()) return -1;
        return static_cast<unsigned char>(buffer_[next_++]);
    }
    int RawPeek()
    {
        if (next_ == end_ && !Refill()) return -1;
        return static_cast<unsigned char>(buffer_[next_]);
    }
    bool Refill();

    BinaryFile file_;
    std::vector<char> buffer_ = std::vector<char>(64 * 1024);
    size_t next_ = 0;
    size_t end_ = 0;
    bool failed_ = false;
};

}  // namespace vistagon
