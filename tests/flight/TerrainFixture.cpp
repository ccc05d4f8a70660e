#include "TerrainFixture.h"

#include "image/ElevationEncoding.h"

#include <stdexcept>

namespace vistagon::test {

std::unique_ptr<ElevationGrid> MakeTerrain(AppContext& context, int width, int height,
                                           const std::function<int(int, int)>& heightAt, double scale)
{
    auto grid = std::make_unique<ElevationGrid>(context, scale, scale, true);
    if (!grid->CreateImage(width, height)) throw std::runtime_error("cannot create a terrain");
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Bgr value = EncodeElevation(heightAt(x, y));
            grid->SetDrawColor(&value);
            grid->SetPixel(x, y);
        }
    }
    grid->SetDrawColor(&grid->background());
    return grid;
}

void WriteTerrainFile(AppContext& context, const std::string& path, int width, int height,
                      const std::function<int(int, int)>& heightAt)
{
    auto grid = MakeTerrain(context, width, height, heightAt);
    if (!grid->OnSaveDocument(path)) throw std::runtime_error("cannot write a terrain");
}

}  // namespace vistagon::test
