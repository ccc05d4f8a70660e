#include "PathTrackImport.h"

#ifdef VISTAGON_HAVE_GDAL
#include "import/gdal/TrackImport.h"
#endif

namespace vistagon::gui {

#ifdef VISTAGON_HAVE_GDAL

namespace {

class GeoreferencedText : public PictureMapText {
public:
    explicit GeoreferencedText(PictureGeoreference georeference) : georeference_(std::move(georeference)) {}

    QString At(int x, int y) const override
    {
        const CurvePoint map = georeference_.MapAt(x, y);
        if (georeference_.geographic()) return QString::asprintf("%.6f, %.6f", map.x, map.y);
        return QString::asprintf("%.1f, %.1f", map.x, map.y);
    }

private:
    PictureGeoreference georeference_;
};

}  // namespace

bool TrackImportBuiltIn()
{
    return true;
}

EditorTrack ImportEditorTrack(const QString& picturePath, const QString& trackPath, int border)
{
    TrackImportRequest request;
    request.trackPath = trackPath.toStdString();
    request.picturePath = picturePath.toStdString();
    request.border = border;
    const TrackImport imported = ImportTrack(request);
    EditorTrack track;
    if (imported.error) {
        track.error = QString::fromStdString(*imported.error);
        return track;
    }
    track.track = imported.trackPixels;
    track.points = imported.path.points;
    track.ends = imported.ends;
    track.summary = QString::fromStdString(TrackSummaryText(imported));
    return track;
}

std::unique_ptr<PictureMapText> PictureMapText::Read(const QString& picturePath)
{
    auto georeference = PictureGeoreference::Read(picturePath.toStdString());
    if (!georeference) return nullptr;
    return std::make_unique<GeoreferencedText>(std::move(*georeference));
}

#else

bool TrackImportBuiltIn()
{
    return false;
}

EditorTrack ImportEditorTrack(const QString&, const QString&, int)
{
    EditorTrack track;
    track.error = QStringLiteral("Tracks are read through GDAL, which this build does not include.");
    return track;
}

std::unique_ptr<PictureMapText> PictureMapText::Read(const QString&)
{
    return nullptr;
}

#endif

}  // namespace vistagon::gui
