#include "platform/RowProgress.h"

#include "platform/TextFormat.h"
#include "platform/messages/CommonMessages.h"

namespace vistagon {

void ShowPercent(ProgressText* sink, int percent)
{
    if (sink != nullptr) sink->SetText(FormatText(msg::kProgressPercent.text, percent));
}

void RowProgress::Step()
{
    ShowPercent(sink_, static_cast<int>(percent_));
    percent_ += step_;
}

void RowProgress::Finish()
{
    ShowPercent(sink_, 100);
}

}  // namespace vistagon
