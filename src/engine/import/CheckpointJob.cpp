#include "import/CheckpointJob.h"

#include "platform/TextFormat.h"
#include "platform/messages/TextFileMessages.h"

namespace vistagon {

bool CheckpointJob::Checkpoint(std::string_view status)
{
    context_.ui.Status().SetText(status);
    return PumpAndGoOn();
}

bool CheckpointJob::LineCheckpoint(long lineNumber)
{
    if (lineNumber % kLinesPerCheckpoint != 0) return true;
    return Checkpoint(FormatText(msg::kDataLineNumber.text, lineNumber));
}

bool CheckpointJob::PercentCheckpoint(int percent)
{
    if (percent != shownPercent_) {
        shownPercent_ = percent;
        ShowPercent(&context_.ui.Status(), percent);
    }
    return PumpAndGoOn();
}

void CheckpointJob::BeginCheckpoints()
{
    ResetCancelled();
    shownPercent_ = -1;
}

}  // namespace vistagon
