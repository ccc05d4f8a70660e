#pragma once

#include "platform/AppContext.h"
#include "scene/SceneParameters.h"

#include <QImage>
#include <string>

namespace vistagon::gui {

// The picture a scene's flight path is drawn on: its texture when it uses
// one, else its elevation file.
std::string PathPictureFile(const SceneParameters& scene);

// That picture as the path editor shows it, upright; null when it cannot be
// read (the image layer has said why).
QImage LoadPathPicture(AppContext& context, const std::string& path);

}  // namespace vistagon::gui
