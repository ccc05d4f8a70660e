#include "DemoTerrain.h"
#include "GuiTestRegistry.h"
#include "scene/SceneScript.h"
#include "support/ScriptedInteraction.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>

using namespace vistagon;

namespace {

constexpr int kFrames = 200;

}  // namespace

// The desktop application in batch mode, ended by a signal in the middle of its
// job: a folder named as frame 5 makes that frame's save ask "Retry?", and the
// box waits, on the offscreen platform, for an answer that never comes. The
// signal thus always finds the job running, past frames 0 to 4.
class BatchStopSignalTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QTemporaryDir& dir = *folder;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkpath("tmp"));
        QVERIFY(QDir(dir.path()).mkpath("out/f005.tga"));
        test::ScriptedInteraction ui;
        AppContext context{ui, Profile(dir.filePath("unused.ini").toStdString())};
        const cli::DemoTerrain terrain(5, 7);
        QVERIFY(terrain.WriteElevation(context, dir.filePath("terrain.tga").toStdString()));
        SceneParameters scene = LoadDefaults();
        scene.XA = 5; scene.YA = 5; scene.ZA = 120; scene.XZ = 30; scene.YZ = 25; scene.ZZ = 110;
        scene.HeadingA = 45; scene.HeadingZ = 30; scene.PitchA = scene.PitchZ = -20;
        scene.ElevScaleZA = scene.ElevScaleZZ = 0.01;
        scene.DustA = scene.DustZ = 200;
        scene.Total = kFrames; scene.To = kFrames - 1;
        scene.SizeX = 32; scene.SizeY = 24; scene.GridX = scene.GridY = 16;
        scene.ElevationFileName = dir.filePath("terrain.tga").toStdString();
        scene.OutputFileName = "f%03d.tga";
        scene.OutputFileFormat = OutputKind::TgaOnly;
        scene.UseRecorder = 0;
        WriteScene(scene, dir.filePath("scene.vgs").toStdString());
    }

    void aSignalEndsTheJobAsAStopDoesAndThenTheApplication_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void aSignalEndsTheJobAsAStopDoesAndThenTheApplication()
    {
        QFETCH(int, signal);
        const QTemporaryDir& dir = *folder;
        QProcess process;
        process.setWorkingDirectory(dir.filePath("out"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("TMPDIR", dir.filePath("tmp"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(VISTAGON_GUI, {"--profile", dir.filePath("gui.ini"), dir.filePath("scene.vgs"), "/final"});
        QVERIFY(process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(dir.filePath("out/f004.tga")), 240000);
        QCOMPARE(process.state(), QProcess::Running);
        // The job's copy of the scene is there while it runs.
        QCOMPARE(QDir(dir.filePath("tmp")).entryList({"VIST*"}, QDir::Files).size(), 1);
        ::kill(static_cast<pid_t>(process.processId()), signal);
        QVERIFY(process.waitForFinished(240000));
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);
        QCOMPARE(process.exitCode(), signal);

        QVERIFY(QDir(dir.filePath("tmp")).entryList({"VIST*"}, QDir::Files | QDir::Hidden).isEmpty());
        const QFileInfoList written = QDir(dir.filePath("out")).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
        QVERIFY(written.size() >= 5);
        QVERIFY(written.size() < kFrames);
        for (const QFileInfo& frame : written) {
            QVERIFY2(frame.fileName().size() == 8 && frame.fileName().startsWith('f'), qPrintable(frame.fileName()));
            QCOMPARE(frame.size(), qint64{18 + 32 * 24 * 3});
        }
    }

private:
    std::unique_ptr<QTemporaryDir> folder;  // fresh for every row
};

VISTAGON_GUI_TEST(BatchStopSignalTest);
#include "BatchStopSignalTest.moc"
