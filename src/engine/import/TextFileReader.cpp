#include "import/TextFileReader.h"

#include "platform/FileError.h"
#include "platform/TextFormat.h"
#include "platform/messages/TextFileMessages.h"

#include <algorithm>
#include <cstring>

namespace vistagon {

bool TextFileReader::Open(UserInteraction& ui, const std::string& path)
{
    for (;;) {
        try {
            file_.Open(path, BinaryFile::Mode::Read);
            next_ = end_ = 0;
            failed_ = false;
            return true;
        } catch (const FileError&) {
            if (!AskRetry(ui, FormatText(msg::kCouldNotOpenTextFile.text, path.c_str()))) return false;
        }
    }
}

bool TextFileReader::Refill()
{
    if (!file_.IsOpen() || failed_) return false;
    try {
        end_ = file_.Read(buffer_.data(), buffer_.size());
    } catch (const FileError&) {
        end_ = 0;
        failed_ = true;
    }
    next_ = 0;
    return end_ > 0;
}

bool TextFileReader::ReadLine(std::string& line, size_t capacity)
{
    line.clear();
    while (line.size() + 1 < capacity) {
        if (next_ == end_ && !Refill()) break;
        // A run of plain characters goes over at once; CR and LF go through Get.
        const size_t limit = std::min(end_, next_ + (capacity - 1 - line.size()));
        size_t stop = next_;
        while (stop < limit && buffer_[stop] != '\n' && buffer_[stop] != '\r') ++stop;
        if (stop > next_) {
            line.append(&buffer_[next_], stop - next_);
            next_ = stop;
            continue;
        }
        const int c = Get();
        if (c < 0) break;
        line.push_back(static_cast<char>(c));
        if (c == '\n') break;
    }
    return !line.empty();
}

bool TextFileReader::ReadLineView(std::string_view& line, std::string& spill, size_t capacity)
{
    // A line feed within reach, with no carriage return before it, ends the line as ReadLine would.
    const size_t reach = std::min(end_ - next_, capacity - 1);
    const char* first = buffer_.data() + next_;
    const void* feed = std::memchr(first, '\n', reach);
    if (feed) {
        const size_t length = static_cast<size_t>(static_cast<const char*>(feed) - first) + 1;
        if (!std::memchr(first, '\r', length)) {
            line = std::string_view(first, length);
            next_ += length;
            return true;
        }
    }
    const bool read = ReadLine(spill, capacity);
    line = spill;
    return read;
}

void TextFileReader::SkipLine()
{
    for (int c = Get(); c >= 0 && c != '\n'; c = Get()) {
    }
}

}  // namespace vistagon
