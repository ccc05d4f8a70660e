#include "DemoTerrain.h"
#include "GuiTestRegistry.h"
#include "scene/SceneScript.h"
#include "support/ScriptedInteraction.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace vistagon;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Runs a program in a folder; its exit status, or -1 when it did not finish.
int Run(const QString& program, const QStringList& arguments, const QString& folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(240000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

}  // namespace

class BatchModeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        test::ScriptedInteraction ui;
        AppContext context{ui, Profile(dir.filePath("unused.ini").toStdString())};
        const cli::DemoTerrain terrain(6, 7);
        QVERIFY(terrain.WriteElevation(context, dir.filePath("terrain.tga").toStdString()));
        QVERIFY(terrain.WriteTexture(context, dir.filePath("texture.tga").toStdString(), 0.01));

        SceneParameters scene = LoadDefaults();
        scene.XA = 5; scene.YA = 5; scene.ZA = 120; scene.XZ = 40; scene.YZ = 30; scene.ZZ = 110;
        scene.HeadingA = 45; scene.HeadingZ = 30; scene.PitchA = -20; scene.PitchZ = -15;
        scene.ElevScaleZA = scene.ElevScaleZZ = 0.01;
        scene.DustA = scene.DustZ = 200;
        scene.Total = 3; scene.To = 2;
        scene.SizeX = 96; scene.SizeY = 72; scene.GridX = 32; scene.GridY = 32;
        scene.ElevationFileName = dir.filePath("terrain.tga").toStdString();
        scene.UseTextureFile = 1;
        scene.TextureFileName = dir.filePath("texture.tga").toStdString();
        scene.OutputFileFormat = OutputKind::TgaAndYuv;
        scene.OutputFileName = "f%03d.tga";
        scene.UseRecorder = 1;
        const std::string path = dir.filePath("scene.vgs").toStdString();
        WriteScene(scene, dir.filePath("written.vgs").toStdString());
        CopyScene(dir.filePath("written.vgs").toStdString(), path);
    }

    void finalFlagRendersTheSameFilesAsTheCommandLineAndEnds()
    {
        QDir(dir.path()).mkdir("cli");
        QDir(dir.path()).mkdir("gui");
        const QString scene = dir.filePath("scene.vgs");
        QCOMPARE(Run(VISTAGON_CLI, {"--profile", dir.filePath("cli.ini"), "render", scene, "--mode", "final"},
                     dir.filePath("cli")), 0);
        QCOMPARE(Run(VISTAGON_GUI, {"--profile", dir.filePath("gui.ini"), scene, "/final"}, dir.filePath("gui")), 0);

        const QStringList expected = {"VGRECORD.XLS", "f000.tga", "f000.yuv", "f001.tga", "f001.yuv", "f002.tga", "f002.yuv"};
        QCOMPARE(QDir(dir.filePath("cli")).entryList(QDir::Files, QDir::Name), expected);
        QCOMPARE(QDir(dir.filePath("gui")).entryList(QDir::Files, QDir::Name), expected);
        for (const QString& name : expected) {
            const QByteArray cli = ReadAll(dir.filePath("cli/" + name));
            QVERIFY2(!cli.isEmpty(), qPrintable(name));
            QVERIFY2(cli == ReadAll(dir.filePath("gui/" + name)), qPrintable(name + " differs"));
        }
    }

private:
    QTemporaryDir dir;
};

VISTAGON_GUI_TEST(BatchModeTest);
#include "BatchModeTest.moc"
