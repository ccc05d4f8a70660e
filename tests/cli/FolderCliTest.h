#pragma once

#include "flight/JobFixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vistagon::cli {

// Runs the command line inside the test's folder, as a user in that folder
// would, on the small job's scene written there as "scene.vgs".
class FolderCliTest : public ::testing::Test {
protected:
    FolderCliTest();
    ~FolderCliTest() override;

    // --profile, the command and the scene file, then words; the scene is written first.
    std::vector<std::string> SceneCommand(const std::string& command, std::vector<std::string> words);

    std::filesystem::path previous_;
    test::TestContext t;
    test::SmallJob job{t};
};

}  // namespace vistagon::cli
