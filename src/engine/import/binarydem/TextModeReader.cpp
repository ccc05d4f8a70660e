#include "import/binarydem/TextModeReader.h"

namespace vistagon {

namespace {

constexpr size_t kChunk = 1 << 16;

}  // namespace

TextModeReader::TextModeReader(const std::string& path) : file_(path, BinaryFile::Mode::Read) {}

bool TextModeReader::Fill()
{
    buffer_.resize(kChunk);
    buffer_.resize(file_.Read(buffer_.data(), kChunk));
    next_ = 0;
    return !buffer_.empty();
}

// A CR at the end of the buffer needs the next chunk to know what follows it;
// the CR is kept in front of the refilled buffer.
bool TextModeReader::IsLineFeedAfterCarriageReturn()
{
    if (next_ + 1 == buffer_.size()) {
        std::vector<uint8_t> more(kChunk);
        more.resize(file_.Read(more.data(), kChunk));
        more.insert(more.begin(), '\r');
        buffer_.swap(more);
        next_ = 0;
    }
    return next_ + 1 < buffer_.size() && buffer_[next_ + 1] == '\n';
}

bool TextModeReader::ReadLine(std::string& line, size_t limit)
{
    if (Peek() == kEnd) return false;
    for (size_t n = 0; n < limit; ++n) {
        const int c = Get();
        if (c == kEnd) break;
        line += static_cast<char>(c);
        if (c == '\n') break;
    }
    return true;
}

void TextModeReader::Rewind()
{
    file_.Seek(0);
    buffer_.clear();
    next_ = 0;
}

}  // namespace vistagon
