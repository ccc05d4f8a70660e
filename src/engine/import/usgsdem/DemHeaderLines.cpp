#include "import/usgsdem/DemHeaderLines.h"

#include "platform/TextFormat.h"
#include "platform/Truncate.h"
#include "platform/messages/UsgsDemMessages.h"

#include <algorithm>
#include <cstdlib>

namespace vistagon {

namespace {

std::string AngleLine(const char* format, const DemAngle& angle)
{
    const int whole = TruncateToInt(angle.seconds);
    const int fraction = TruncateToInt((angle.seconds - whole) * 10000.0);
    return FormatText(format, angle.degrees, angle.minutes, whole, fraction);
}

// Whole arc-seconds split into degrees, minutes and seconds of the absolute
// value, the sign on the degrees.
struct Sexagesimal {
    int degrees;
    int minutes;
    int seconds;
};

Sexagesimal ToSexagesimal(double arcSeconds)
{
    const long long whole = TruncateToInt(arcSeconds);
    const long long magnitude = std::llabs(whole);
    const int degrees = static_cast<int>(magnitude / 3600);
    return Sexagesimal{whole < 0 ? -degrees : degrees, static_cast<int>(magnitude / 60 % 60),
                       static_cast<int>(magnitude % 60)};
}

std::string CornerLine(int index, const DemPoint& corner, bool arcSeconds)
{
    if (!arcSeconds) return FormatText(msg::kDemCornerMetres.text, index, corner.x, corner.y);
    const Sexagesimal x = ToSexagesimal(corner.x);
    const Sexagesimal y = ToSexagesimal(corner.y);
    return FormatText(msg::kDemCornerArcSeconds.text, index, x.degrees, x.minutes, x.seconds, y.degrees, y.minutes,
                      y.seconds);
}

}  // namespace

std::vector<std::string> DemHeaderLines(const DemHeader& h)
{
    std::vector<std::string> lines;
    const auto add = [&lines](std::string line) { lines.push_back(std::move(line)); };
    add(FormatText(msg::kDemFileName.text, h.fileName.c_str()));
    add(FormatText(msg::kDemFreeText.text, h.freeText.c_str()));
    add(AngleLine(msg::kDemSeLongitude.text, h.seLongitude));
    add(AngleLine(msg::kDemSeLatitude.text, h.seLatitude));
    add(FormatText(msg::kDemProcessCode.text, h.processCode.c_str()));
    add(FormatText(msg::kDemSectionalIndicator.text, h.sectionalIndicator.c_str()));
    add(FormatText(msg::kDemOriginCode.text, h.originCode.c_str()));
    add(FormatText(msg::kDemLevelCode.text, h.levelCode));
    add(FormatText(msg::kDemPatternCode.text, h.patternCode));
    add(FormatText(msg::kDemPlanimetricSystem.text, h.planimetricSystem));
    add(FormatText(msg::kDemZoneCode.text, h.zone));
    for (int i = 0; i < static_cast<int>(h.projection.size()); ++i)
        add(FormatText(msg::kDemProjectionParameter.text, i, h.projection[static_cast<size_t>(i)]));
    add(FormatText(msg::kDemGroundUnits.text, h.groundUnits));
    add(FormatText(msg::kDemElevationUnits.text, h.elevationUnits));
    add(FormatText(msg::kDemPolygonSides.text, h.polygonSides));
    const int corners = std::clamp(h.polygonSides, 0, static_cast<int>(h.corners.size()));
    for (int i = 0; i < corners; ++i)
        add(CornerLine(i, h.corners[static_cast<size_t>(i)], h.groundUnits == DemHeader::kArcSeconds));
    add(FormatText(msg::kDemMinimumElevation.text, h.minimumElevation));
    add(FormatText(msg::kDemMaximumElevation.text, h.maximumElevation));
    add(FormatText(msg::kDemAngle.text, h.angle));
    add(FormatText(msg::kDemAccuracyCode.text, h.accuracyCode));
    add(FormatText(msg::kDemResolution.text, h.resolutionX, h.resolutionY, h.resolutionZ));
    add(FormatText(msg::kDemRows.text, h.rows));
    add(FormatText(msg::kDemColumns.text, h.columns));
    add(FormatText(msg::kDemLargestInterval.text, h.largestInterval));
    add(FormatText(msg::kDemLargestIntervalUnits.text, h.largestIntervalUnits));
    add(FormatText(msg::kDemSmallestInterval.text, h.smallestInterval));
    add(FormatText(msg::kDemSmallestIntervalUnits.text, h.smallestIntervalUnits));
    add(FormatText(msg::kDemSourceDate.text, h.sourceDate));
    add(FormatText(msg::kDemRevisionDate.text, h.revisionDate));
    add(FormatText(msg::kDemRevisionFlag.text, h.revisionFlag.c_str()));
    add(FormatText(msg::kDemValidationFlag.text, h.validationFlag));
    add(FormatText(msg::kDemSuspectVoidFlag.text, h.suspectVoidFlag));
    add(FormatText(msg::kDemVerticalDatum.text, h.verticalDatum));
    add(FormatText(msg::kDemHorizontalDatum.text, h.horizontalDatum));
    add(FormatText(msg::kDemEdition.text, h.edition));
    add(FormatText(msg::kDemPercentVoid.text, h.percentVoid));
    add(FormatText(msg::kDemEdgeMatch.text, h.edgeMatch[0], h.edgeMatch[1], h.edgeMatch[2], h.edgeMatch[3]));
    add(FormatText(msg::kDemVerticalShift.text, h.verticalShift));
    return lines;
}

}  // namespace vistagon
