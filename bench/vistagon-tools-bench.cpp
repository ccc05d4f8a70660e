// Times the convolution (3 x 3 and 15 x 15 kernels) and the rectification of a
// 2048 x 2048 picture, files included, and prints the seconds of each run.
//   vistagon-tools-bench [FOLDER]   (keeps its images in FOLDER, else a temporary folder)
// A kept folder also holds each kernel's weights as text ("3x3: w,w,...", rows
// from the top), so that other programs can run the same convolution.
#include "QuietInteraction.h"
#include "image/CTGAFile.h"
#include "platform/AppContext.h"
#include "tools/ConvolutionJob.h"
#include "tools/RectifyJob.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace {

using namespace vistagon;

using bench::QuietInteraction;

bool WriteImage(AppContext& context, const std::string& path, int width, int height, const std::function<Bgr(int, int)>& color)
{
    CTGAFile image(context);
    if (!image.CreateImage(width, height)) return false;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Bgr c = color(x, y);
            image.SetDrawColor(&c);
            image.SetPixel(x, y);
        }
    }
    image.SetDrawColor(&image.background());
    return image.OnSaveDocument(path);
}

// A picture with smooth gradients and fine detail, so that neither is trivial.
Bgr Picture(int x, int y)
{
    const double wave = 127.5 + 127.5 * std::sin(x * 0.013) * std::cos(y * 0.021);
    return Bgr{static_cast<uint8_t>(wave), static_cast<uint8_t>((x * 7 + y * 3) & 0xFF), static_cast<uint8_t>((x ^ y) & 0xFF)};
}

// A kernel of n x n cells with weights falling off from the centre (1 ... 100).
Bgr KernelCell(int n, int i, int j)
{
    const double c = (n - 1) / 2.0;
    const double d2 = (i - c) * (i - c) + (j - c) * (j - c);
    const auto w = static_cast<uint8_t>(128 + 1 + std::lround(99.0 * std::exp(-d2 / (n * n / 8.0))));
    return Bgr{w, w, w};
}

// The weights of an n x n kernel, top row first, as "nxn: w,w,...".
std::string KernelText(int n)
{
    std::string text = std::to_string(n) + "x" + std::to_string(n) + ":";
    for (int j = n - 1; j >= 0; --j) {
        for (int i = 0; i < n; ++i) {
            text += text.back() == ':' ? ' ' : ',';
            text += std::to_string(KernelCell(n, i, j).b - 128);
        }
    }
    return text;
}

// Removes a temporary folder on every way out of main.
struct FolderRemover {
    std::filesystem::path folder;
    ~FolderRemover()
    {
        std::error_code ignored;
        if (!folder.empty()) std::filesystem::remove_all(folder, ignored);
    }
};

double Seconds(const std::function<bool()>& run)
{
    const auto start = std::chrono::steady_clock::now();
    if (!run()) std::fprintf(stderr, "run failed\n");
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv)
{
    const bool keep = argc > 1;
    const std::filesystem::path folder =
        keep ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path() / "vistagon-tools-bench";
    std::filesystem::create_directories(folder);
    const FolderRemover remover{keep ? std::filesystem::path() : folder};
    const auto file = [&folder](const char* name) { return (folder / name).string(); };

    QuietInteraction ui;
    AppContext context{ui, Profile(file("bench-profile.ini"))};
    constexpr int kSize = 2048;
    if (!WriteImage(context, file("picture.tga"), kSize, kSize, Picture)) return 1;
    for (int n : {3, 15}) {
        const std::string name = "kernel" + std::to_string(n) + ".tga";
        if (!WriteImage(context, file(name.c_str()), n, n, [n](int i, int j) { return KernelCell(n, i, j); })) return 1;
        if (keep) std::ofstream(file(("kernel" + std::to_string(n) + ".txt").c_str())) << KernelText(n) << '\n';
    }

    std::printf("picture %d x %d\n", kSize, kSize);
    for (int n : {3, 15}) {
        const std::string kernel = file(("kernel" + std::to_string(n) + ".tga").c_str());
        const std::string out = file(("convolved" + std::to_string(n) + ".tga").c_str());
        const double s = Seconds([&] { return ConvolutionJob(context, {file("picture.tga"), out, kernel}).Run(); });
        std::printf("convolution %2d x %-2d      %.3f s\n", n, n, s);
    }

    // A gentle warp: the source corners pulled inwards by different amounts.
    RectifyOptions rectify;
    rectify.source = file("picture.tga");
    rectify.corners.output = {CornerPoint{0, 0}, CornerPoint{kSize, 0}, CornerPoint{kSize, kSize}, CornerPoint{0, kSize}};
    rectify.corners.source = {CornerPoint{40, 25}, CornerPoint{kSize - 10, 60}, CornerPoint{kSize - 80, kSize - 5},
                              CornerPoint{15, kSize - 50}};
    for (RectifyFileType type : {RectifyFileType::Texture, RectifyFileType::Elevation}) {
        rectify.type = type;
        rectify.target = file(type == RectifyFileType::Texture ? "rectified-texture.tga" : "rectified-elevation.tga");
        const double s = Seconds([&] { return RectifyJob(context, rectify).Run(); });
        std::printf("rectify %-9s          %.3f s\n", type == RectifyFileType::Texture ? "texture" : "elevation", s);
    }
    return 0;
}
