#include "flight/RecorderLog.h"

#include "platform/DecimalSeparator.h"
#include "platform/TextFormat.h"
#include "platform/messages/CommonMessages.h"

#include <algorithm>
#include <filesystem>

namespace vistagon {

RecorderLog::~RecorderLog()
{
    Close();
}

bool RecorderLog::Open(UserInteraction& ui, const std::string& folder)
{
    Close();
    const std::string path = folder.empty() ? std::string(kFileName) : (std::filesystem::path(folder) / kFileName).string();
    file_ = std::fopen(path.c_str(), "wb");
    if (file_ == nullptr) {
        ui.ShowMessage(FormatText(msg::kCannotOpenFile.text, kFileName), MessageIcon::Information);
        return false;
    }
    separator_ = UserDecimalSeparator();
    std::fputs(kHeader, file_);
    std::fflush(file_);
    return true;
}

std::string RecorderLog::FormatRow(const RecorderRow& row, char decimalSeparator)
{
    std::string text = FormatText("%10.3f\t%10.3f\t%10.3f\t%10.3f\t%10.3f\t%10.3f\t%15.8f\r\n", row.x, row.y, row.altitude,
                                  row.relativeAltitude, row.pitch, row.roll, row.curvature);
    if (decimalSeparator != '.') std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
}

void RecorderLog::Append(const RecorderRow& row)
{
    if (file_ == nullptr) return;
    const std::string text = FormatRow(row, separator_);
    std::fwrite(text.data(), 1, text.size(), file_);
    std::fflush(file_);
}

void RecorderLog::Close()
{
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
}

}  // namespace vistagon
