#include "import/asciiregular/ResultsList.h"

#include "platform/TextFormat.h"

namespace vistagon {

void ResultsList::Clear()
{
    lines_.clear();
    counted_ = 0;
}

void ResultsList::AddCounted(std::string line)
{
    if (counted_ >= kMaxCounted) return;
    lines_.push_back(std::move(line));
    if (++counted_ == kMaxCounted) lines_.emplace_back(exceeded_.text);
}

void ResultsList::AddShortLine(const ShortLineTexts& texts, long lineNumber, int numbers)
{
    const MessageText& text = numbers == 2 ? texts.twoItems : numbers == 1 ? texts.oneItem : texts.noItem;
    AddCounted(FormatText(text.text, lineNumber));
}

}  // namespace vistagon
