#include "shell/CMainFrame.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("vistagon");
    QApplication::setApplicationDisplayName("Vistagon");
    vistagon::gui::CMainFrame frame(vistagon::Profile::ResolvePath(std::nullopt));
    frame.show();
    return QApplication::exec();
}
