#pragma once

#include "image/Bgr.h"
#include "platform/AppContext.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vistagon::test {

// Writes a TGA of the given size whose pixel (x, y) (y upward) has the given colour.
void WriteImage(AppContext& context, const std::string& path, int width, int height,
                const std::function<Bgr(int x, int y)>& color);
// The same for an elevation file with the given heights.
void WriteElevation(AppContext& context, const std::string& path, int width, int height,
                    const std::function<int32_t(int x, int y)>& heightAt);

// A TGA read back into plain values; empty (0 x 0) when it cannot be opened.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Bgr> pixels;

    Bgr At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    int32_t Height(int x, int y) const;
};
Picture ReadPicture(AppContext& context, const std::string& path);

}  // namespace vistagon::test
