#include "PathPicture.h"

#include "image/CTGAFile.h"
#include "image/RasterPainter.h"

namespace vistagon::gui {

std::string PathPictureFile(const SceneParameters& scene)
{
    return scene.UseTextureFile != 0 ? scene.TextureFileName : scene.ElevationFileName;
}

QImage LoadPathPicture(AppContext& context, const std::string& path)
{
    CTGAFile picture(context);
    if (!picture.OnOpenDocument(path)) return {};
    return RasterPainter::Whole(picture);
}

}  // namespace vistagon::gui
