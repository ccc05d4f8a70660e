#include "import/usgsdem/DemHeader.h"

#include "import/binarydem/DecimalText.h"
#include "platform/NumberParsing.h"

namespace vistagon {

namespace {

// Walks the record field by field; nothing separates the fields.
class FieldCursor {
public:
    explicit FieldCursor(std::string_view record) : record_(record) {}

    std::string_view Take(size_t width)
    {
        const std::string_view field = position_ < record_.size() ? record_.substr(position_, width) : std::string_view();
        position_ += width;
        return field;
    }
    std::string Text(size_t width) { return std::string(Take(width)); }
    int Int(size_t width) { return ParseLeadingInt(Take(width)); }
    double Real(size_t width) { return LeadingDecimal(Take(width), true); }
    void Skip(size_t width) { position_ += width; }

    DemAngle Angle()
    {
        DemAngle angle;
        angle.degrees = Int(4);
        angle.minutes = Int(2);
        angle.seconds = Real(7);
        return angle;
    }

private:
    std::string_view record_;
    size_t position_ = 0;
};

int OneIfZero(int value)
{
    return value == 0 ? 1 : value;
}

}  // namespace

DemHeader ParseDemHeader(std::string_view record)
{
    FieldCursor f(record);
    DemHeader h;
    h.fileName = f.Text(40);
    h.freeText = f.Text(40);
    f.Skip(29);
    h.seLongitude = f.Angle();
    h.seLatitude = f.Angle();
    h.processCode = f.Text(1);
    f.Skip(1);
    h.sectionalIndicator = f.Text(3);
    h.originCode = f.Text(4);
    h.levelCode = f.Int(6);
    h.patternCode = OneIfZero(f.Int(6));
    h.planimetricSystem = f.Int(6);
    h.zone = f.Int(6);
    for (double& parameter : h.projection) parameter = f.Real(24);
    h.groundUnits = f.Int(6);
    h.elevationUnits = f.Int(6);
    const int sides = f.Int(6);
    h.polygonSides = sides == 0 ? 4 : sides;
    for (DemPoint& corner : h.corners) {
        corner.x = f.Real(24);
        corner.y = f.Real(24);
    }
    h.minimumElevation = f.Real(24);
    h.maximumElevation = f.Real(24);
    h.angle = f.Real(24);
    h.accuracyCode = OneIfZero(f.Int(6));
    h.resolutionX = f.Real(12);
    h.resolutionY = f.Real(12);
    h.resolutionZ = f.Real(12);
    h.rows = OneIfZero(f.Int(6));
    h.columns = f.Int(6);
    h.largestInterval = f.Int(5);
    h.largestIntervalUnits = f.Int(1);
    h.smallestInterval = f.Int(5);
    h.smallestIntervalUnits = f.Int(1);
    h.sourceDate = f.Int(4);
    h.revisionDate = f.Int(4);
    h.revisionFlag = f.Text(1);
    h.validationFlag = f.Int(1);
    h.suspectVoidFlag = f.Int(2);
    h.verticalDatum = f.Int(2);
    h.horizontalDatum = f.Int(2);
    h.edition = OneIfZero(f.Int(4));
    h.percentVoid = f.Int(4);
    for (int& flag : h.edgeMatch) flag = f.Int(2);
    h.verticalShift = f.Real(7);
    return h;
}

}  // namespace vistagon
