#include "render/FrameCrew.h"

#include "RenderFixture.h"
#include "render/FrameRenderer.h"
#include "render/Projector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <stdexcept>
#include <memory>
#include <thread>
#include <vector>

namespace vistagon {
namespace {

using test::TestContext;

constexpr int kWidth = 96;
constexpr int kHeight = 72;
constexpr int kNodes = 161;

// Rolling hills of 160 x 160 cells seen obliquely, wide enough on the picture
// that every strip of the crew draws terrain.
struct ObliqueHills {
    TestContext t;
    std::unique_ptr<ElevationGrid> grid = test::MakeElevation(t.context, kNodes, kNodes, [](int x, int y) {
        return static_cast<int>(40 * std::sin(x * 0.11) * std::cos(y * 0.07) + 3 * ((x * 7 + y * 13) % 5));
    });
    std::unique_ptr<CTGAFile> texture = test::MakeImage(t.context, 40, 40, [](int x, int y) {
        return Bgr{static_cast<uint8_t>(x * 6), static_cast<uint8_t>(y * 6), static_cast<uint8_t>((x ^ y) * 8)};
    });
    RenderSettings settings = test::SettingsFor(*grid, kWidth, kHeight, kNodes - 1);
    FrameCamera camera;

    ObliqueHills()
    {
        settings.light = Vec4::Direction(-0.4, 0.5, 0.77);
        settings.light.Normalize();
        settings.texture = texture.get();
        camera.position = Vec4::Point(80.5, -20.5, 60);
        camera.pitch = -15;
        camera.heading = 8;
        camera.focalLength = 80;
        camera.dustDistance = 150;
    }

    // One member: its own interaction, projector and renderer on the shared grid and texture.
    struct Member {
        Member(ObliqueHills& scene)
            : projector(own.context, scene.settings.light, kWidth, kHeight),
              renderer(own.context, projector, scene.settings)
        {
            projector.SetTexture(scene.texture.get());
            projector.SetCamera(scene.camera);
        }
        TestContext own;
        Projector projector;
        FrameRenderer renderer;
    };

    std::unique_ptr<CTGAFile> Picture()
    {
        auto picture = test::MakeImage(t.context, kWidth, kHeight, [](int, int) { return Bgr{}; });
        Member(*this).renderer.Clear(*picture);
        return picture;
    }

    std::unique_ptr<CTGAFile> DrawnAlone(bool skipHidden = true)
    {
        auto picture = Picture();
        Member alone(*this);
        alone.renderer.SetSkipHiddenBlocks(skipHidden);
        alone.renderer.Draw(*picture, camera.dustDistance);
        return picture;
    }

    // Members 1 and up draw on threads of their own, unless they abstain.
    std::unique_ptr<CTGAFile> DrawnByCrew(int members, bool othersAbstain = false)
    {
        auto picture = Picture();
        FrameCrew crew(members);
        crew.Begin(kWidth, kHeight);
        std::vector<std::unique_ptr<Member>> others;
        for (int k = 1; k < members; ++k) others.push_back(std::make_unique<Member>(*this));
        std::vector<std::jthread> threads;
        for (int k = 1; k < members; ++k) {
            FrameRenderer& renderer = others[static_cast<size_t>(k - 1)]->renderer;
            if (!othersAbstain)
                threads.emplace_back([&, k] { renderer.Draw(*picture, camera.dustDistance, &crew, k); });
        }
        Member(*this).renderer.Draw(*picture, camera.dustDistance, &crew, 0);
        threads.clear();
        return picture;
    }
};

void ExpectSamePixels(const CTGAFile& expected, const CTGAFile& actual, const std::string& what)
{
    int differing = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (!(expected.GetPixel(x, y) == actual.GetPixel(x, y))) ++differing;
    EXPECT_EQ(differing, 0) << what;
}

TEST(FrameCrewTest, CrewsOfEverySizeDrawTheBytesOfOneRenderer)
{
    for (const bool highQuality : {false, true}) {
        for (const RenderMode mode : {RenderMode::Final, RenderMode::Raw}) {
            ObliqueHills scene;
            scene.settings.highQuality = highQuality;
            scene.settings.mode = mode;
            // Walked cell by cell: the crew's members skip hidden blocks each on its own.
            const auto alone = scene.DrawnAlone(false);
            int terrain = 0;
            const Bgr sky = scene.Picture()->GetPixel(0, 0);
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < kWidth; ++x) terrain += alone->GetPixel(x, y) == sky ? 0 : 1;
            ASSERT_GT(terrain, kWidth * kHeight / 3) << "the hills fill much of the picture";
            for (const int members : {2, 3, 4})
                ExpectSamePixels(*alone, *scene.DrawnByCrew(members),
                                 std::to_string(members) + " members, HQ " + std::to_string(highQuality) + ", mode " +
                                     std::to_string(static_cast<int>(mode)));
        }
    }
}

// Members that never start leave every strip to the lead, which does not wait for them.
TEST(FrameCrewTest, MembersThatNeverDrawLeaveEveryStripToTheLead)
{
    ObliqueHills scene;
    const auto alone = scene.DrawnAlone();
    ExpectSamePixels(*alone, *scene.DrawnByCrew(3, true), "two members abstaining");
}

// The strips cover every pixel once, in whole coverage tiles, and a member's
// failure stops the strips not yet begun and reaches the lead.
TEST(FrameCrewTest, StripsCoverEveryPixelOnceAndAFailureReachesTheLead)
{
    constexpr int kPictureWidth = 100;
    constexpr int kPictureHeight = 70;
    FrameCrew crew(2);
    crew.Begin(kPictureWidth, kPictureHeight);
    std::atomic<bool> leadBegun{false};
    std::atomic<bool> memberDone{false};
    std::atomic<int> drawn{0};
    std::jthread member([&] {
        leadBegun.wait(false);
        crew.Work([&](const PictureStrip&) { throw std::runtime_error("member failed"); });
        memberDone = true;
        memberDone.notify_all();
    });
    crew.Work([&](const PictureStrip&) {
        ++drawn;
        leadBegun = true;
        leadBegun.notify_all();
        // The member fails and passes over every strip left while the lead draws its first.
        memberDone.wait(false);
    });
    member.join();
    EXPECT_THROW(crew.Finish(), std::runtime_error);
    EXPECT_EQ(drawn, 1);

    crew.Begin(kPictureWidth, kPictureHeight);
    std::vector<int> drawnAt(static_cast<size_t>(kPictureWidth * kPictureHeight), 0);
    crew.Work([&](const PictureStrip& strip) {
        EXPECT_EQ(strip.left % PixelCoverage::kTileColumns, 0);
        EXPECT_EQ((strip.right + 1) % PixelCoverage::kTileColumns, 0);
        EXPECT_EQ((strip.high + 1) % PixelCoverage::kTileRows, 0);
        for (int row = strip.low; row <= std::min(strip.high, kPictureHeight - 1); ++row)
            for (int column = strip.left; column <= std::min(strip.right, kPictureWidth - 1); ++column)
                ++drawnAt[static_cast<size_t>(row * kPictureWidth + column)];
    });
    EXPECT_NO_THROW(crew.Finish());
    EXPECT_GT(crew.strips(), 2u);
    EXPECT_EQ(std::count(drawnAt.begin(), drawnAt.end(), 1), kPictureWidth * kPictureHeight);
}

}  // namespace
}  // namespace vistagon
