#pragma once

#include "platform/messages/MessageText.h"

#include <string>
#include <vector>

namespace vistagon {

// The texts of a converter's line messages: one, two and no number found.
struct ShortLineTexts {
    MessageText oneItem;
    MessageText twoItems;
    MessageText noItem;
};

// The "Results" list of the ASCII imports: the first 100 counted messages,
// then the exceeded notice once, then nothing more.
class ResultsList {
public:
    static constexpr int kMaxCounted = 100;

    explicit ResultsList(MessageText exceeded) : exceeded_(exceeded) {}

    void Clear();
    void AddCounted(std::string line);
    void AddUncounted(std::string line) { lines_.push_back(std::move(line)); }
    // The message for a data line that held fewer than three numbers.
    void AddShortLine(const ShortLineTexts& texts, long lineNumber, int numbers);

    const std::vector<std::string>& lines() const { return lines_; }
    bool empty() const { return lines_.empty(); }

private:
    MessageText exceeded_;
    std::vector<std::string> lines_;
    int counted_ = 0;
};

}  // namespace vistagon
