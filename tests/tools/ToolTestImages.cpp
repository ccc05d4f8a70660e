#include "tools/ToolTestImages.h"

#include "image/CTGAFile.h"
#include "image/ElevationEncoding.h"

#include <gtest/gtest.h>

namespace vistagon::test {

void WriteImage(AppContext& context, const std::string& path, int width, int height,
                const std::function<Bgr(int x, int y)>& color)
{
    CTGAFile image(context);
    ASSERT_TRUE(image.CreateImage(width, height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Bgr c = color(x, y);
            image.SetDrawColor(&c);
            image.SetPixel(x, y);
        }
    }
    image.SetDrawColor(&image.background());
    ASSERT_TRUE(image.OnSaveDocument(path));
}

void WriteElevation(AppContext& context, const std::string& path, int width, int height,
                    const std::function<int32_t(int x, int y)>& heightAt)
{
    WriteImage(context, path, width, height, [&](int x, int y) { return EncodeElevation(heightAt(x, y)); });
}

int32_t Picture::Height(int x, int y) const
{
    return DecodeElevation(At(x, y));
}

Picture ReadPicture(AppContext& context, const std::string& path)
{
    Picture picture;
    CTGAFile image(context);
    if (!image.OnOpenDocument(path)) return picture;
    picture.width = image.GetWidth();
    picture.height = image.GetHeight();
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) picture.pixels.push_back(image.GetPixel(x, y));
    return picture;
}

}  // namespace vistagon::test
