#include "ShellZoomText.h"

#include "shell/Shell.h"

namespace vistagon::gui {

void ShellZoomText::SetText(std::string_view text)
{
    shell_.SetZoomText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace vistagon::gui
