#include "cli/FolderCliTest.h"

#include "scene/SceneScript.h"

namespace vistagon::cli {

FolderCliTest::FolderCliTest() : previous_(std::filesystem::current_path())
{
    std::filesystem::current_path(t.dir.path());
    job.scene.OutputFileName = "f%02d.tga";
}

FolderCliTest::~FolderCliTest()
{
    std::filesystem::current_path(previous_);
}

std::vector<std::string> FolderCliTest::SceneCommand(const std::string& command, std::vector<std::string> words)
{
    WriteScene(job.scene, job.File("scene.vgs"));
    words.insert(words.begin(), {"--profile", t.dir.File("profile.ini"), command, "scene.vgs"});
    return words;
}

}  // namespace vistagon::cli
