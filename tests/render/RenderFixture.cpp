#include "RenderFixture.h"

#include "image/ElevationEncoding.h"

#include <stdexcept>

namespace vistagon::test {

std::unique_ptr<ElevationGrid> MakeElevation(AppContext& context, int width, int height,
                                             const std::function<int(int, int)>& height_at, double scale)
{
    auto grid = std::make_unique<ElevationGrid>(context, scale, scale, true);
    if (!grid->CreateImage(width, height)) throw std::runtime_error("cannot create an elevation grid");
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Bgr value = EncodeElevation(height_at(x, y));
            grid->SetDrawColor(&value);
            grid->SetPixel(x, y);
        }
    }
    grid->SetDrawColor(&grid->background());
    return grid;
}

std::unique_ptr<CTGAFile> MakeImage(AppContext& context, int width, int height,
                                    const std::function<Bgr(int, int)>& colour)
{
    auto image = std::make_unique<CTGAFile>(context);
    if (!image->CreateImage(width, height)) throw std::runtime_error("cannot create an image");
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Bgr value = colour(x, y);
            image->SetDrawColor(&value);
            image->SetPixel(x, y);
        }
    }
    image->SetDrawColor(&image->background());
    return image;
}

FrameCamera LookingDown(double x, double y, double height, double focalLength)
{
    FrameCamera camera;
    camera.position = Vec4::Point(x, y, height);
    camera.pitch = -89.9;
    camera.focalLength = focalLength;
    camera.dustDistance = 1e9;
    return camera;
}

RenderSettings SettingsFor(ElevationGrid& grid, int width, int height, double divisions)
{
    RenderSettings settings;
    settings.mode = RenderMode::Final;
    settings.outputWidth = width;
    settings.outputHeight = height;
    settings.divisionsX = divisions;
    settings.divisionsY = divisions;
    settings.light = Vec4::Direction(0, 0, 1);
    settings.elevation = &grid;
    return settings;
}

}  // namespace vistagon::test
