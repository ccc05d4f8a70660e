#include "GuiTestRegistry.h"
#include "image/TestShell.h"
#include "pathedit/CPathView.h"
#include "support/ScriptedInteraction.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QTest>

#include <cmath>
#include <fstream>

using namespace vistagon;
using namespace vistagon::gui;

namespace {

class EndsClient : public PathEditorClient {
public:
    void ApplyPathPoints(const std::vector<PathPoint>& points) override { applied = points; }
    void PathEditorClosed() override {}
    void ApplyPathEnds(CurveEnds e) override { ends = e; }

    std::vector<PathPoint> applied;
    std::optional<CurveEnds> ends;
};

// A 200 x 150 picture of 30 m pixels in UTM zone 33 north, its corner at 500000, 5000000.
struct TrackEditor {
    explicit TrackEditor(bool georeferenced = true) : shell(t.dir.File("profile.ini"))
    {
        t.context.profile.WriteInt("FlightPath", "BorderWidth", 5);
        CTGAFile picture(t.context);
        picture.CreateImage(200, 150);
        picture.FillGray(200);
        picture.OnSaveDocument(t.dir.File("ortho.tga"));
        if (georeferenced)
            std::ofstream(t.dir.File("ortho.tga.aux.xml"))
                << "<PAMDataset>\n  <SRS>EPSG:32633</SRS>\n"
                   "  <GeoTransform> 500000, 30, 0, 5000000, 0, -30</GeoTransform>\n</PAMDataset>\n";
        view = new CPathView(shell, client);
        opened = view->Open(QString::fromStdString(t.dir.File("ortho.tga")), {});
        window = shell.AddChildWindow(view);
        window->resize(700, 600);
    }

    // A GeoJSON line in the picture's system through picture pixels (x right, y down).
    QString Track(const std::vector<std::pair<double, double>>& pixels)
    {
        std::ofstream json(t.dir.File("track.geojson"));
        json.precision(12);
        json << "{\"type\":\"FeatureCollection\",\"crs\":{\"type\":\"name\",\"properties\":{\"name\":"
                "\"urn:ogc:def:crs:EPSG::32633\"}},\"features\":[{\"type\":\"Feature\",\"properties\":{},"
                "\"geometry\":{\"type\":\"LineString\",\"coordinates\":[";
        for (size_t i = 0; i < pixels.size(); ++i)
            json << (i ? "," : "") << "[" << 500000.0 + 30.0 * (pixels[i].first + 0.5) << ","
                 << 5000000.0 - 30.0 * (pixels[i].second + 0.5) << "]";
        json << "]}}]}\n";
        return QString::fromStdString(t.dir.File("track.geojson"));
    }

    test::TestContext t;
    EndsClient client;
    guitest::TestShell shell;
    CPathView* view = nullptr;
    QMdiSubWindow* window = nullptr;
    bool opened = false;
};

std::vector<std::pair<double, double>> Bend(int vertices)
{
    std::vector<std::pair<double, double>> pixels;
    for (int i = 0; i < vertices; ++i) {
        const double t = static_cast<double>(i) / (vertices - 1);
        pixels.emplace_back(20.0 + 150.0 * t, 120.0 - 100.0 * t * t);
    }
    return pixels;
}

}  // namespace

class PathTrackImportTest : public QObject {
    Q_OBJECT
private slots:
    void anImportedTrackBecomesThePointsAndIsDrawnUnderThem()
    {
        if (!TrackImportBuiltIn()) QSKIP("built without GDAL");
        TrackEditor e;
        QVERIFY(e.opened);
        QVERIFY(e.view->IsEnabled(Command::ImportTrack));
        QVERIFY(e.view->ImportTrackFile(e.Track(Bend(40))));
        const std::vector<PathPoint>& points = e.view->points();
        QVERIFY(points.size() >= 3 && points.size() <= 40);
        QCOMPARE(points.front(), (PathPoint{20 + 5, 120 + 5}));  // canvas: the border of 5 added
        QCOMPARE(points.back(), (PathPoint{170 + 5, 20 + 5}));
        QCOMPARE(e.view->TrackScreenPoints().size(), size_t{40});
        QCOMPARE(e.view->TrackScreenPoints().front(), QPoint(25, 125));
        // An open track: the curve runs to the last point and is drawn all the way.
        QCOMPARE(e.view->ends(), CurveEnds::Open);
        const std::vector<QPoint> curve = e.view->CurveScreenPoints();
        QCOMPARE(curve.size(), size_t{CPathView::kTotal});
        QVERIFY((curve.back() - QPoint(175, 25)).manhattanLength() <= 2);
        QCOMPARE(e.shell.presenter.shown.size(), size_t{1});
        QCOMPARE(e.shell.presenter.shown[0].icon, MessageIcon::Information);
        QVERIFY(e.shell.presenter.shown[0].text.find("points, open; the curve keeps within") != std::string::npos);
        QVERIFY(e.view->document().IsModified());

        e.view->Apply();
        QCOMPARE(e.client.applied.front(), (PathPoint{20, 120}));
        QCOMPARE(e.client.ends, std::optional<CurveEnds>(CurveEnds::Open));
    }

    void aTrackTheEditorCannotUseIsRefusedInABox()
    {
        if (!TrackImportBuiltIn()) QSKIP("built without GDAL");
        TrackEditor e;
        QVERIFY(!e.view->ImportTrackFile(e.Track({{10, 10}, {260, 10}})));  // 55 pixels beyond the border
        QCOMPARE(e.shell.presenter.shown.size(), size_t{1});
        QCOMPARE(e.shell.presenter.shown[0].icon, MessageIcon::Stop);
        QVERIFY(e.shell.presenter.shown[0].text.find("leaves the picture") != std::string::npos);
        QVERIFY(e.view->points().empty());
        QVERIFY(e.view->TrackScreenPoints().empty());
        QVERIFY(!e.view->document().IsModified());

        TrackEditor bare(false);
        QVERIFY(!bare.view->ImportTrackFile(bare.Track(Bend(5))));
        QVERIFY(bare.shell.presenter.shown[0].text.find("has no georeferencing") != std::string::npos);
    }

    void theStatusBarShowsMapCoordinatesBesideThePixel()
    {
        if (!TrackImportBuiltIn()) QSKIP("built without GDAL");
        TrackEditor e;
        // Canvas (45, 35) is picture pixel (40, 30); the readout counts rows up from the bottom.
        QMouseEvent move(QEvent::MouseMove, QPointF(45, 35), e.view->viewport()->mapToGlobal(QPointF(45, 35)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(e.view->viewport(), &move);
        QVERIFY2(e.shell.positionText.endsWith(QString::asprintf("%.1f, %.1f", 500000 + 30 * 40.5, 5000000 - 30 * 30.5)),
                 qPrintable(e.shell.positionText));
        QVERIFY(e.shell.positionText.startsWith("40/"));

        TrackEditor bare(false);
        QApplication::sendEvent(bare.view->viewport(), &move);
        QVERIFY(!bare.shell.positionText.contains(','));
    }
};

VISTAGON_GUI_TEST(PathTrackImportTest);
#include "PathTrackImportTest.moc"
