#pragma once

#include "image/CTGAFile.h"

#include <functional>

namespace vistagon::gui {

class MessagePresenter;

// The picture a flight path is drawn on; its only addition is its own question
// before a changed path closes.
class CPathDoc : public CTGAFile {
public:
    using CTGAFile::CTGAFile;

    // "The flight path has been changed..." when modified: Yes hands the points
    // over, No drops them, Cancel keeps the window. True when it may close.
    bool SaveModified(MessagePresenter& messages, const std::function<void()>& handOver);
};

}  // namespace vistagon::gui
