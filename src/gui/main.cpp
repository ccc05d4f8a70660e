#include "shell/CVistagonApp.h"

int main(int argc, char** argv)
{
    vistagon::gui::CVistagonApp app(argc, argv);
    return app.Run();
}
