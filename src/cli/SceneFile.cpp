#include "SceneFile.h"

#include "platform/BinaryFile.h"
#include "platform/TextFormat.h"
#include "platform/messages/CommonMessages.h"
#include "platform/messages/SceneMessages.h"
#include "scene/SceneScript.h"

namespace vistagon::cli {

bool LoadSceneFile(CliSession& session, const std::string& path, SceneParameters& scene)
{
    if (!CanOpenForReading(path)) {
        session.interaction.ShowMessage(FormatText(msg::kCannotOpenFile.text, path.c_str()), MessageIcon::Stop);
        return false;
    }
    if (!LoadScene(path, scene)) {
        session.interaction.ShowMessage(FormatText(msg::kNotASceneFile.text, path.c_str()), MessageIcon::Stop);
        return false;
    }
    return true;
}

int SaveSceneFile(CliSession& session, const SceneParameters& scene, const std::string& path)
{
    if (!SaveScene(session.context, scene, path)) return kFailure;
    std::fprintf(session.out, "saved %s\n", path.c_str());
    return kSuccess;
}

}  // namespace vistagon::cli
