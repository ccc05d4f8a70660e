#include "DemoTerrain.h"

#include "image/CTGAFile.h"
#include "image/ElevationEncoding.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

namespace vistagon::cli {

namespace {

// Uniform in [-1, 1), the same on every platform (the standard distributions are not).
double Signed(std::mt19937& random)
{
    return random() / 2147483648.0 - 1.0;
}

// A small repeatable texel jitter, so that the texture does not look painted flat.
int Jitter(int x, int y)
{
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<int>((h ^ (h >> 16)) % 17) - 8;
}

Bgr Shade(int r, int g, int b, int jitter)
{
    const auto channel = [jitter](int v) { return static_cast<uint8_t>(std::clamp(v + jitter, 0, 255)); };
    return Bgr{channel(b), channel(g), channel(r)};
}

bool WriteImage(AppContext& context, const std::string& path, int width, int height,
                const std::function<Bgr(int, int)>& colourAt)
{
    CTGAFile image(context);
    if (!image.CreateImage(width, height)) return false;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Bgr colour = colourAt(x, y);
            image.SetDrawColor(&colour);
            image.SetPixel(x, y);
        }
    }
    image.SetDrawColor(&image.background());
    return image.OnSaveDocument(path);
}

}  // namespace

DemoTerrain::DemoTerrain(int exponent, uint32_t seed) : size_((1 << exponent) + 1)
{
    const size_t n = static_cast<size_t>(size_);
    std::vector<double> h(n * n, 0.0);
    const auto at = [&](int x, int y) -> double& { return h[static_cast<size_t>(y) * n + static_cast<size_t>(x)]; };
    std::mt19937 random(seed);
    const int last = size_ - 1;
    at(0, 0) = 0.2;
    at(last, 0) = -0.4;
    at(0, last) = -0.1;
    at(last, last) = 0.5;
    double amplitude = 1.0;
    for (int step = last; step > 1; step /= 2, amplitude *= 0.52) {
        const int half = step / 2;
        for (int y = half; y < last; y += step)
            for (int x = half; x < last; x += step)
                at(x, y) = (at(x - half, y - half) + at(x + half, y - half) + at(x - half, y + half) + at(x + half, y + half)) / 4 +
                           amplitude * Signed(random);
        for (int y = 0; y <= last; y += half) {
            for (int x = (y / half) % 2 == 0 ? half : 0; x <= last; x += step) {
                double sum = 0.0;
                int count = 0;
                for (const auto& [ox, oy] : {std::pair{-half, 0}, {half, 0}, {0, -half}, {0, half}}) {
                    if (x + ox < 0 || x + ox > last || y + oy < 0 || y + oy > last) continue;
                    sum += at(x + ox, y + oy);
                    ++count;
                }
                at(x, y) = sum / count + amplitude * Signed(random);
            }
        }
    }
    const auto [low, high] = std::minmax_element(h.begin(), h.end());
    const double range = *high - *low;
    seaLevel_ = kPeak / 5;
    heights_.resize(h.size());
    for (size_t i = 0; i < h.size(); ++i)
        heights_[i] = std::max(seaLevel_, static_cast<int>((h[i] - *low) / range * kPeak));
}

int DemoTerrain::Clamped(int x, int y) const
{
    return At(std::clamp(x, 0, size_ - 1), std::clamp(y, 0, size_ - 1));
}

bool DemoTerrain::WriteElevation(AppContext& context, const std::string& path) const
{
    return WriteImage(context, path, size_, size_, [this](int x, int y) { return EncodeElevation(At(x, y)); });
}

bool DemoTerrain::WriteTexture(AppContext& context, const std::string& path, double zScale) const
{
    return WriteImage(context, path, size_, size_, [&](int x, int y) {
        const int height = At(x, y);
        const int jitter = Jitter(x, y);
        if (height <= seaLevel_) return Shade(40, 90, 150, jitter / 2);
        const double gx = (Clamped(x + 1, y) - Clamped(x - 1, y)) * zScale / 2.0;
        const double gy = (Clamped(x, y + 1) - Clamped(x, y - 1)) * zScale / 2.0;
        const double slope = std::sqrt(gx * gx + gy * gy);
        const double level = static_cast<double>(height - seaLevel_) / (kPeak - seaLevel_);
        if (level > 0.8 && slope < 0.7) return Shade(240, 240, 245, jitter / 2);
        if (slope > 0.9 || level > 0.65) return Shade(120, 110, 100, jitter);
        if (level < 0.02) return Shade(210, 195, 150, jitter);
        if (level < 0.3) return Shade(105, 150, 60, jitter);
        return Shade(50, 95, 45, jitter);
    });
}

bool WriteDemoMask(AppContext& context, const std::string& path, int width, int height)
{
    const Bgr keep{0, 0, 0}, brighten{255, 255, 255}, darken{96, 96, 96};
    return WriteImage(context, path, width, height, [&](int x, int y) {
        if (y == 0 && x < 3) return x == 0 ? keep : x == 1 ? brighten : darken;
        const int edge = std::min({x, y, width - 1 - x, height - 1 - y});
        if (edge < 4) return darken;
        return edge < 5 ? brighten : keep;
    });
}

}  // namespace vistagon::cli
