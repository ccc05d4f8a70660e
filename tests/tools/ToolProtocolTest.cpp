#include "support/ScriptedInteraction.h"
#include "tools/ConvolutionJob.h"
#include "tools/ElevationToColorJob.h"
#include "tools/ElevationToGrayJob.h"
#include "tools/GrayToElevationJob.h"
#include "tools/MergeJob.h"
#include "tools/RectifyJob.h"
#include "tools/ResampleJob.h"
#include "tools/ToolTestImages.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace vistagon {
namespace {

using test::TestContext;

constexpr int kRows = 8;

struct ToolCase {
    const char* name;
    long rowsPumped;  // pumps of an uninterrupted run
    std::function<std::unique_ptr<ConvertJob>(TestContext&)> make;
};

std::string In(TestContext& t) { return t.dir.File("in.tga"); }
std::string Out(TestContext& t) { return t.dir.File("out.tga"); }
std::string Aux(TestContext& t) { return t.dir.File("aux.tga"); }

std::vector<ToolCase> AllRowTools()
{
    return {
        {"elev-to-color", kRows, [](TestContext& t) { return std::make_unique<ElevationToColorJob>(t.context, ElevationToColorOptions{In(t), Out(t), Aux(t)}); }},
        {"elev-to-gray", kRows, [](TestContext& t) { return std::make_unique<ElevationToGrayJob>(t.context, ElevationToGrayOptions{In(t), Out(t)}); }},
        {"gray-to-elev", kRows, [](TestContext& t) { return std::make_unique<GrayToElevationJob>(t.context, GrayToElevationOptions{In(t), Out(t)}); }},
        {"convolve", kRows, [](TestContext& t) { return std::make_unique<ConvolutionJob>(t.context, ConvolutionOptions{In(t), Out(t), Aux(t)}); }},
        {"merge", kRows, [](TestContext& t) { return std::make_unique<MergeJob>(t.context, MergeOptions{In(t), Aux(t), Out(t)}); }},
        {"resample", kRows / 2, [](TestContext& t) { return std::make_unique<ResampleJob>(t.context, ResampleOptions{In(t), Out(t)}); }},
        {"rectify", kRows, [](TestContext& t) {
             RectifyOptions options;
             options.source = In(t);
             options.target = Out(t);
             options.corners.output = {CornerPoint{0, 0}, CornerPoint{8, 0}, CornerPoint{8, 8}, CornerPoint{0, 8}};
             options.corners.source = options.corners.output;
             return std::make_unique<RectifyJob>(t.context, options);
         }},
    };
}

void WriteInputs(TestContext& t)
{
    const auto color = [](int x, int y) { return Bgr{static_cast<uint8_t>(x * 9), static_cast<uint8_t>(y * 5), 130}; };
    test::WriteImage(t.context, In(t), 8, kRows, color);
    test::WriteImage(t.context, Aux(t), 3, 3, color);
}

// Files beside the target that carry its name (a save's temporary file would).
size_t FilesNamedLikeTheTarget(const test::TempDir& dir)
{
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        count += entry.path().filename().string().find("out.tga") != std::string::npos ? 1 : 0;
    return count;
}

TEST(ToolProtocol, EveryRowPumpsOnceAndTheStatusEndsEmpty)
{
    for (const ToolCase& tool : AllRowTools()) {
        SCOPED_TRACE(tool.name);
        TestContext t;
        WriteInputs(t);
        const auto job = tool.make(t);
        ASSERT_TRUE(job->Run());
        EXPECT_FALSE(job->WasCancelled());
        EXPECT_EQ(t.ui.pumps, tool.rowsPumped);
        ASSERT_FALSE(t.ui.statusTexts.empty());
        EXPECT_EQ(t.ui.statusTexts.back(), "");
        EXPECT_TRUE(std::filesystem::exists(Out(t)));
    }
}

TEST(ToolProtocol, CancelStopsAtTheNextRowAndLeavesTheOldTargetAlone)
{
    for (const ToolCase& tool : AllRowTools()) {
        SCOPED_TRACE(tool.name);
        TestContext t;
        WriteInputs(t);
        test::WriteFileBytes(Out(t), "an older file");
        t.ui.cancelAfterPumps = 2;
        const auto job = tool.make(t);
        EXPECT_TRUE(job->Run());  // a cancelled run is not a failure
        EXPECT_TRUE(job->WasCancelled());
        EXPECT_EQ(t.ui.pumps, 2);
        EXPECT_EQ(test::ReadFileBytes(Out(t)), "an older file");
        EXPECT_EQ(FilesNamedLikeTheTarget(t.dir), 1u);  // nothing half-written beside it
        EXPECT_EQ(t.ui.statusTexts.back(), "");

        // Cancelled at the first row with no earlier target: no file at all.
        TestContext fresh;
        WriteInputs(fresh);
        fresh.ui.cancelAfterPumps = 1;
        EXPECT_TRUE(tool.make(fresh)->Run());
        EXPECT_FALSE(std::filesystem::exists(Out(fresh)));
    }
}

TEST(ToolProtocol, AMissingInputFailsAfterTheImageLayersQuestion)
{
    for (const ToolCase& tool : AllRowTools()) {
        SCOPED_TRACE(tool.name);
        TestContext t;
        const auto job = tool.make(t);
        EXPECT_FALSE(job->Run());
        ASSERT_FALSE(t.ui.shown.empty());
        EXPECT_NE(t.ui.shown[0].text.find("Could not open TGA file"), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(Out(t)));
    }
}

}  // namespace
}  // namespace vistagon
