#include "platform/RetryingSave.h"

#include "platform/FileError.h"
#include "platform/TempFiles.h"
#include "platform/TextFormat.h"

namespace vistagon {

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
SaveOutcome SaveWithRetry(UserInteraction& ui, const std::string& target, const char* openQuestion,
                          const char* saveQuestion, const std::function<bool(BinaryFile&)>& write)
{
    ReplacingFileWriter writer(target);
    for (;;) {
        try {
            writer.Begin();
            break;
        } catch (const FileError&) {
            if (!AskRetry(ui, FormatText(openQuestion, target.c_str()))) return SaveOutcome::GaveUp;
        }
    }
    for (;;) {
        try {
            if (!write(writer.file())) {
                writer.Abandon();
                return SaveOutcome::Refused;
            }
            writer.Commit();
            return SaveOutcome::Saved;
        } catch (const FileError&) {
            if (!AskRetry(ui, FormatText(saveQuestion, target.c_str()))) {
                writer.Abandon();
                return SaveOutcome::GaveUp;
            }
        }
        try {
            writer.Begin();  // rewind: start the file again
        } catch (const FileError&) {
            // The next write fails again and asks once more.
        }
    }
}
#pragma GCC diagnostic pop

}  // namespace vistagon
