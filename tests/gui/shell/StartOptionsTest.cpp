#include "GuiTestRegistry.h"
#include "shell/CommandLine.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

using namespace vistagon::gui;

namespace {

struct Run {
    int status;
    QString out;
    QString err;
};

// The real program with no display at all and no platform chosen.
Run RunWithoutDisplay(const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(VISTAGON_GUI, arguments);
    process.waitForFinished(60000);
    const int status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {status, QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

}  // namespace

class StartOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void helpAndVersionNeedNoDisplayAndAnUnknownOptionIsAUsageError()
    {
        const Run help = RunWithoutDisplay({"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith("usage: vistagon [--profile FILE] [SCENE.vgs | IMAGE.tga] [final|raw|preview]\n"));
        QCOMPARE(help.err, QString());
        const Run version = RunWithoutDisplay({"scene.vgs", "--version"});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QString("vistagon %1\n").arg(VISTAGON_VERSION));
        const Run unknown = RunWithoutDisplay({"--frobnicate", "scene.vgs"});
        QCOMPARE(unknown.status, 2);
        QCOMPARE(unknown.out, QString());
        QVERIFY(unknown.err.startsWith("vistagon: unknown option '--frobnicate'\nusage: vistagon "));
    }

    void modeWordsDocumentsAndQtsOwnOptionsStartTheApplication()
    {
        for (const QStringList& line : {QStringList{"/final", "/scenes/a.vgs", "-RAW", "preview"},
                                        QStringList{"--profile", "p.ini", "-platform", "offscreen", "-style=fusion"},
                                        QStringList{"--profile=p.ini", "--reverse", "-geometry", "640x480", "/p", "a.tga"}})
            QVERIFY2(!CommandLine::AnswerBeforeStart(line), qPrintable(line.join(' ')));
        for (const QStringList& line : {QStringList{"a.vgs", "--profile"}, QStringList{"-platform"},
                                        QStringList{"--final"}, QStringList{"-x", "a.vgs"}}) {
            const auto early = CommandLine::AnswerBeforeStart(line);
            QVERIFY2(early && early->status == 2 && !early->toStdout, qPrintable(line.join(' ')));
        }
        QCOMPARE(CommandLine::AnswerBeforeStart({"-h"})->status, 0);
    }
};

VISTAGON_GUI_TEST(StartOptionsTest);
#include "StartOptionsTest.moc"
