#include "JobFixture.h"

#include "TerrainFixture.h"
#include "scene/SceneScript.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace vistagon::test {

namespace {

void Paint(CTGAFile& image, const std::function<Bgr(int, int)>& colourAt)
{
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            const Bgr c = colourAt(x, y);
            image.SetDrawColor(&c);
            image.SetPixel(x, y);
        }
    }
    image.SetDrawColor(&image.background());
}

}  // namespace

SmallJob::SmallJob(TestContext& context) : t(context), scene(SceneParameters::NewScene())
{
    WriteTerrainFile(t.context, File("terrain.tga"), 33, 33, [](int x, int y) {
        return static_cast<int>(40.0 + 30.0 * std::sin(x * 0.4) * std::cos(y * 0.3));
    });
    scene.ElevationFileName = File("terrain.tga");
    scene.OutputFileName = File("f%02d.tga");
    scene.SizeX = 32;
    scene.SizeY = 24;
    scene.GridX = scene.GridY = 16;
    scene.Total = 3;
    scene.From = 0;
    scene.To = 2;
    scene.XA = -8; scene.YA = -8; scene.ZA = 60;
    scene.XZ = -4; scene.YZ = -10; scene.ZZ = 50;
    scene.HeadingA = 45; scene.HeadingZ = 40;
    scene.PitchA = scene.PitchZ = -30;
    scene.FocalLengthA = scene.FocalLengthZ = 30;
    scene.ElevScaleZA = scene.ElevScaleZZ = 0.5;
    scene.DustA = scene.DustZ = 20;
}

std::string SmallJob::WriteScript() const
{
    const std::string path = File("job.vgs");
    WriteScene(scene, path);
    return path;
}

std::vector<std::string> SmallJob::FramesOnDisk() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(t.dir.path())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("f", 0) == 0) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void SmallJob::WriteMask(const std::string& name, int width, int height) const
{
    CTGAFile mask(t.context);
    mask.CreateImage(width, height);
    const Bgr keep{0, 0, 0}, brighten{255, 255, 255}, darken{128, 128, 128};
    Paint(mask, [&](int x, int y) {
        if (y == 0 && x < 3) return x == 0 ? keep : x == 1 ? brighten : darken;
        return x < width / 2 ? keep : brighten;
    });
    mask.OnSaveDocument(File(name));
}

void SmallJob::FlyCurved(double averageHeight)
{
    scene.PathType = 1;
    scene.AverageHeight = averageHeight;
    scene.PreviewRange = 2;
    scene.LastPathPoint = 3;
    scene.PathPoints[0] = {4, 4};
    scene.PathPoints[1] = {28, 5};
    scene.PathPoints[2] = {27, 28};
    scene.PathPoints[3] = {5, 27};
}

void SmallJob::WriteTexture(const std::string& name, int size) const
{
    CTGAFile texture(t.context);
    texture.CreateImage(size, size);
    Paint(texture, [](int x, int y) {
        return Bgr{static_cast<uint8_t>(x * 7), static_cast<uint8_t>(y * 5), static_cast<uint8_t>((x ^ y) * 9)};
    });
    texture.OnSaveDocument(File(name));
}

}  // namespace vistagon::test
