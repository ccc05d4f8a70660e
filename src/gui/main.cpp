#include "shell/CVistagonApp.h"
#include "shell/CommandLine.h"

#include <cstdio>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    // Answered before the application object exists, so that they need no display.
    if (const auto early = vistagon::gui::CommandLine::AnswerBeforeStart(arguments)) {
        std::fputs(early->text.toLocal8Bit().constData(), early->toStdout ? stdout : stderr);
        return early->status;
    }
    vistagon::gui::CVistagonApp app(argc, argv);
    return app.Run();
}
