#pragma once

#include "platform/UserInteraction.h"

#include <cstdio>
#include <string>

namespace vistagon {

// One row of the flight recorder: the camera of a rendered frame.
struct RecorderRow {
    double x = 0;
    double y = 0;
    double altitude = 0;          // camera z
    double relativeAltitude = 0;  // camera z minus the terrain below (0 outside the grid)
    double pitch = 0;
    double roll = 0;
    double curvature = 0;         // 0 on a straight flight
};

// The tab-separated flight recorder "VGRECORD.XLS", lines ended by CR LF, one
// row per rendered frame, flushed after every row. Each job starts a new log.
class RecorderLog {
public:
    static constexpr const char* kFileName = "VGRECORD.XLS";
    static constexpr const char* kHeader = "Pos.x\tPos.y\tAltitude\tRel. Alt.\tPitch\tRoll\tCurvature\r\n";

    RecorderLog() = default;
    ~RecorderLog();
    RecorderLog(const RecorderLog&) = delete;
    RecorderLog& operator=(const RecorderLog&) = delete;

    // Creates the log in folder (the current folder by default). When that fails
    // it shows "Cannot open file 'VGRECORD.XLS'." with an information icon and
    // the flight goes on without a log.
    bool Open(UserInteraction& ui, const std::string& folder = "");
    bool IsOpen() const { return file_ != nullptr; }
    void Append(const RecorderRow& row);
    void Close();

    // The row text, with every '.' replaced by the decimal separator.
    static std::string FormatRow(const RecorderRow& row, char decimalSeparator);

private:
    std::FILE* file_ = nullptr;
    char separator_ = '.';
};

}  // namespace vistagon
