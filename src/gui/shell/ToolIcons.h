#pragma once

#include <QIcon>

namespace vistagon::gui {

// The toolbar's pictures, drawn rather than shipped.
class ToolIcons {
public:
    static QIcon Of(int commandId);
};

}  // namespace vistagon::gui
